// File access for the whole program: paths from and to program text, whole-file reads, and
// atomic replacement of a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

std::filesystem::path PathFromText(std::u16string_view text);
std::u16string PathText(const std::filesystem::path& path);

// The whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes bytes into a temporary file in the same folder, flushes it to disk and renames it over
// `path`. A symbolic link is followed: its target is replaced and the link stays. When
// `keepOldAs` is given, the old file is first kept under that name (a hard link, or a copy;
// a folder standing in its place is moved there), once the new one is complete. On any failure the
// old file stays as it was and false is returned; a failure to flush the folder after the rename
// also returns false.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           const std::filesystem::path& keepOldAs = {});

// Creates a temporary file for `target` in its folder, named as IsTempFileName expects and
// closed on exec; its open descriptor (with `temp` set), or -1.
int CreateTempFile(const std::filesystem::path& target, std::filesystem::path& temp);
// Flush a file's content, or a folder's entries after a rename or link, to disk.
bool SyncFile(const std::filesystem::path& path);
bool SyncFolder(const std::filesystem::path& folder);

// The temporary files of ReplaceFileAtomically and CreateTempFile: "." + the file's name +
// ".zorvel-" + six letters or digits.
bool IsTempFileName(std::string_view name);
// Removes the temporary files (regular files only) in a folder that were last written before
// `before`: what a crash during a save left behind.
void RemoveStaleTempFiles(const std::filesystem::path& folder,
                          std::filesystem::file_time_type before);

// Appends bytes to a file (creating it); false on failure.
bool AppendToFile(const std::filesystem::path& path, std::string_view bytes);

// Last modification time as local time; nullopt when the file does not exist.
std::optional<DateTime> FileModifiedLocal(const std::filesystem::path& path);

bool FolderExists(const std::filesystem::path& path);
// Creates one level of folder; false when it cannot.
bool CreateOneFolder(const std::filesystem::path& path);

}  // namespace zl
