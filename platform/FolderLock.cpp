#include "platform/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace zl {

FlockFolderLock::~FlockFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock; the file stays for the next start
}

LockResult FlockFolderLock::TryLock(const std::filesystem::path& folder) {
    if (fd_ >= 0) return LockResult::Taken;
    const std::filesystem::path file = folder / kFileName;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return LockResult::Failed;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? LockResult::HeldElsewhere : LockResult::Failed;
    }
    fd_ = fd;
    return LockResult::Taken;
}

}  // namespace zl
