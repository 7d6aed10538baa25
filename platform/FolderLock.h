// The folder lock on the real system: an advisory lock (flock) on a file in the folder. The
// system releases it when the process ends in any way, so a crashed copy leaves no lock behind.
#pragma once

#include "platform/Services.h"

namespace zl {

class FlockFolderLock : public FolderLock {
public:
    FlockFolderLock() = default;
    ~FlockFolderLock() override;
    FlockFolderLock(const FlockFolderLock&) = delete;
    FlockFolderLock& operator=(const FlockFolderLock&) = delete;

    LockResult TryLock(const std::filesystem::path& folder) override;

    // The lock file's name in the folder.
    static constexpr const char* kFileName = ".zorvel.lock";

private:
    int fd_ = -1;
};

}  // namespace zl
