#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "platform/TextUtil.h"

namespace zl {

namespace {

// Writes all bytes, resuming after partial writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path stands for: symbolic links followed to their last target, which need not
// exist yet. A loop of links gives up and takes the path as it is.
std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
    std::filesystem::path p = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(p, ec)) return p;
        std::filesystem::path target = std::filesystem::read_symlink(p, ec);
        if (ec) return p;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return path;
}

// Copies a regular file to a new name (which must not exist), flushed to disk.
bool CopyNewFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::optional<std::string> bytes = ReadWholeFile(from);
    if (!bytes) return false;
    int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = WriteAll(fd, *bytes);
    if (ok && ::stat(from.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) ::unlink(to.c_str());
    return ok;
}

// The end of every temporary file name: "." + the file's name + kTempMark + six characters.
constexpr std::string_view kTempMark = ".zorvel-";

}  // namespace

bool SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

std::filesystem::path PathFromText(std::u16string_view text) {
    return std::filesystem::path(ToUtf8(text));
}

std::u16string PathText(const std::filesystem::path& path) { return FromUtf8(path.string()); }

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;  // a folder, or a read error
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

int CreateTempFile(const std::filesystem::path& target, std::filesystem::path& temp) {
    std::string name = (target.parent_path() /
                        ("." + target.filename().string() + std::string(kTempMark) + "XXXXXX"))
                           .string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) temp = name;
    return fd;
}

bool SyncFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           const std::filesystem::path& keepOldAs) {
    // A linked file is replaced where it lies, so that the link stays.
    const std::filesystem::path target = ResolveLinks(path);
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::path temp;
    int fd = CreateTempFile(target, temp);
    if (fd < 0) return false;
    // The new file takes the old one's permissions, and its owner and group where the process
    // may set them; a new file is readable by all.
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    // Something other than a file in its place (a folder) can only be moved aside whole.
    const bool oldIsFile = hadOld && S_ISREG(old.st_mode);
    bool ok = WriteAll(fd, bytes);
    ok = ok && ::fchmod(fd, oldIsFile ? (old.st_mode & 07777) : 0644) == 0;
    if (ok && oldIsFile && ::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Neither may be set by this process: the new file stays its own.
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // Only a complete new file lets the old one be kept aside and replaced.
    bool kept = false, moved = false;
    if (ok && !keepOldAs.empty() && hadOld) {
        if (oldIsFile)
            kept = ::link(target.c_str(), keepOldAs.c_str()) == 0 || CopyNewFile(target, keepOldAs);
        else
            kept = moved = ::rename(target.c_str(), keepOldAs.c_str()) == 0;
        ok = kept && SyncFolder(keepOldAs.parent_path());
    }
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        // What was moved aside goes back; a kept copy goes.
        if (moved)
            ::rename(keepOldAs.c_str(), target.c_str());
        else if (kept)
            ::unlink(keepOldAs.c_str());
        return false;
    }
    return SyncFolder(folder);
}

bool IsTempFileName(std::string_view name) {
    if (name.size() < 1 + 1 + kTempMark.size() + 6 || name.front() != '.') return false;
    const std::size_t mark = name.size() - 6 - kTempMark.size();
    if (name.substr(mark, kTempMark.size()) != kTempMark) return false;
    for (char c : name.substr(mark + kTempMark.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

void RemoveStaleTempFiles(const std::filesystem::path& folder,
                          std::filesystem::file_time_type before) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec) || it->is_symlink(fec)) continue;
        if (!IsTempFileName(it->path().filename().string())) continue;
        if (it->last_write_time(fec) >= before || fec) continue;
        std::filesystem::remove(it->path(), fec);
    }
}

bool AppendToFile(const std::filesystem::path& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes);
    return (::close(fd) == 0) && ok;
}

std::optional<DateTime> FileModifiedLocal(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    std::tm local{};
    std::time_t t = st.st_mtime;
    if (!::localtime_r(&t, &local)) return std::nullopt;
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

bool FolderExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

bool CreateOneFolder(const std::filesystem::path& path) {
    if (::mkdir(path.c_str(), 0755) == 0) return true;
    return errno == EEXIST && FolderExists(path);
}

}  // namespace zl
