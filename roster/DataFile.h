// The data file and its backups: reading the roster once, rewriting it whole after every change,
// and the backup of the day of the month written at closing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "roster/Paths.h"
#include "roster/RosterList.h"

namespace zl {

// Line 1 of the data file.
extern const std::u16string_view kDataFileHeader;

enum class LoadStatus {
    Loaded,
    Missing,
    Unreadable,  // exists but cannot be read
    Utf8,        // UTF-8 text, read as such
    NotCp932,    // bytes that are no code page 932 text (invalid sequences, NUL bytes)
};

// How the loader reads a data file's bytes: the encoding it finds and the lines.
struct DecodedRoster {
    LoadStatus status = LoadStatus::Loaded;  // Loaded, Utf8 or NotCp932
    std::vector<std::u16string> lines;       // the entries; empty for NotCp932
};
DecodedRoster DecodeDataFile(std::string_view bytes);
// The data file's bytes for a roster: the header and every line, each ended by CR LF.
std::string EncodeDataFile(const std::vector<std::u16string>& lines);

class RosterStore {
public:
    explicit RosterStore(const Paths& paths) : paths_(paths) {}

    // Replaces the list by the data file's entries. The first line is the header and dropped,
    // unless it is itself an entry.
    LoadStatus Load(RosterList& list);
    // Builds the file text from the list and writes it; false when the file could not be
    // written (the old file is then unchanged).
    bool Save(const RosterList& list);
    // Writes the newest roster text as the backup of the given day; true when written or when
    // there is nothing the program may write (nothing read or saved yet, or a file it could not
    // take as it is that has not been saved since).
    bool WriteBackup(int day);

    // The data file's text as last read or written, code page 932, "\n" line ends.
    std::string dataFileText() const;

    // Set when the data file exists but was not taken as it is (unreadable, UTF-8 or no code
    // page 932 text): the name under which the original is kept when the first save replaces it.
    const std::filesystem::path& keptAs() const { return keptAs_; }

private:
    const Paths& paths_;
    // The file's bytes as last read or written, and the newest text a save built but could not
    // write (empty once written), which the backup holds so that no change is lost.
    std::string fileBytes_;
    std::string unsaved_;
    // The original must be kept aside before the first save; until a save succeeds the backup
    // is not written.
    bool keepOriginal_ = false;
    std::filesystem::path keptAs_;
};

}  // namespace zl
