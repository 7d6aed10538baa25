// The data file and its backups: reading the roster once, rewriting it whole after every change,
// and the backup of the day of the month written at closing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "roster/Paths.h"
#include "roster/RosterList.h"

namespace zl {

// Line 1 of the data file.
extern const std::u16string_view kDataFileHeader;

enum class LoadStatus { Loaded, Missing, Unreadable };

class RosterStore {
public:
    explicit RosterStore(const Paths& paths) : paths_(paths) {}

    // Reads the data file into the list (the first line dropped unread).
    LoadStatus Load(RosterList& list);
    // Builds the file text from the list, keeps it as dataFileText and writes it; false when the
    // file could not be written (the old file is then unchanged).
    bool Save(const RosterList& list);
    // Writes dataFileText as the backup of the given day; true when written or when there was
    // nothing to write (nothing read or saved yet).
    bool WriteBackup(int day);

    // The data file's text as last read or written, code page 932, "\n" line ends.
    const std::string& dataFileText() const { return dataFileText_; }

    // Set when the data file exists but could not be read: the name under which the unreadable
    // file is kept before the first save replaces it.
    const std::filesystem::path& unreadableKeptAs() const { return unreadableKeptAs_; }

private:
    // Renames the unreadable data file to unreadableKeptAs; false when that fails.
    bool KeepUnreadableFile();

    const Paths& paths_;
    std::string dataFileText_;
    bool unreadable_ = false;
    std::filesystem::path unreadableKeptAs_;
};

}  // namespace zl
