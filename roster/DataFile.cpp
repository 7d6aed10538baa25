#include "roster/DataFile.h"

#include <unicode/utf8.h>

#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"

namespace zl {

const std::u16string_view kDataFileHeader =
    u"No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,生年月日（西暦）,"
    u"電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,本人含む票数,備考１,備考２,備考３,"
    u"連名１,連名２,連名３";

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool Exists(const std::filesystem::path& path, std::error_code& ec) {
    auto status = std::filesystem::symlink_status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        ec.clear();
        return false;
    }
    return true;  // present, or its state unknown (treated as present)
}

// A name beside `file` that is not taken: "Data_unreadable.csv", "Data_unreadable_2.csv", ...
std::filesystem::path FreeKeepName(const std::filesystem::path& file) {
    const std::string stem = file.stem().string() + "_unreadable";
    const std::string ext = file.extension().string();
    for (int i = 1;; ++i) {
        std::filesystem::path candidate =
            file.parent_path() / (stem + (i == 1 ? "" : "_" + std::to_string(i)) + ext);
        std::error_code ec;
        if (!Exists(candidate, ec) && !ec) return candidate;
        if (i > 10000) return candidate;  // give up searching; the save will then fail
    }
}

// One line of the bytes at a time, as a text-mode read gives them: CR LF and LF end a line (a
// lone CR stays in it), and a last line without line end counts as a line.
class LineCutter {
public:
    explicit LineCutter(std::string_view bytes) : rest_(bytes) {}
    bool Next(std::string_view& line) {
        if (rest_.empty()) return false;
        const void* nl = std::memchr(rest_.data(), '\n', rest_.size());
        std::size_t len = nl ? static_cast<const char*>(nl) - rest_.data() : rest_.size();
        line = rest_.substr(0, len);
        if (nl && len > 0 && line.back() == '\r') line.remove_suffix(1);
        rest_.remove_prefix(nl ? len + 1 : len);
        return true;
    }

private:
    std::string_view rest_;
};

// "No." followed by four digits and a comma: the first line is then an entry, not the header.
bool IsEntryLine(std::string_view line) {
    if (line.size() < 8 || line.substr(0, 3) != "No." || line[7] != ',') return false;
    for (char c : line.substr(3, 4))
        if (c < '0' || c > '9') return false;
    return true;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF), and whether they hold a multi-byte character.
bool IsValidUtf8(std::string_view s, bool& multiByte) {
    multiByte = false;
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto n = static_cast<int32_t>(s.size());
    for (int32_t i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        UChar32 c;
        U8_NEXT(p, i, n, c);
        if (c < 0) return false;
        multiByte = true;
    }
    return true;
}

enum class Utf8Verdict { No, Yes, Broken };

// UTF-8 text: with a byte-order mark, or valid UTF-8 with multi-byte characters whose first
// line is the header in UTF-8 (or an entry, for a file without header). A file that begins with
// the header in UTF-8 but is no valid UTF-8 is broken text, not code page 932.
Utf8Verdict LooksUtf8(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return Utf8Verdict::Yes;
    std::string_view first;
    LineCutter(bytes).Next(first);
    static const std::string header = ToUtf8(kDataFileHeader);
    const bool isHeader = first == header;
    if (!isHeader && !IsEntryLine(first)) return Utf8Verdict::No;
    bool multiByte = false;
    if (IsValidUtf8(bytes, multiByte)) return multiByte ? Utf8Verdict::Yes : Utf8Verdict::No;
    return isHeader ? Utf8Verdict::Broken : Utf8Verdict::No;
}

// The file's lines from the first entry on: the first line is dropped as the header unless it
// is itself an entry.
LineCutter EntryLines(std::string_view bytes) {
    LineCutter cutter(bytes);
    std::string_view line;
    if (cutter.Next(line) && IsEntryLine(line)) cutter = LineCutter(bytes);
    return cutter;
}

// Appends the lines of the file (the header dropped) to `lines`; false when a line is no code
// page 932 text.
bool DecodeCp932Lines(std::string_view bytes, std::vector<std::u16string>& lines) {
    LineCutter cutter = EntryLines(bytes);
    std::string_view line;
    while (cutter.Next(line)) {
        std::u16string& out = lines.emplace_back();
        if (!AppendFromCp932Strict(line, out)) return false;
    }
    return true;
}

void SplitUtf8Lines(std::string_view bytes, std::vector<std::u16string>& lines) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) bytes.remove_prefix(kUtf8Bom.size());
    LineCutter cutter = EntryLines(bytes);
    std::string_view line;
    while (cutter.Next(line)) lines.push_back(FromUtf8(line));
}

// Bytes with every line, the last included, ended by `end`.
std::string WithLineEnds(std::string_view bytes, std::string_view end) {
    std::string out;
    out.reserve(bytes.size() + end.size());
    LineCutter cutter(bytes);
    std::string_view line;
    while (cutter.Next(line)) {
        out += line;
        out += end;
    }
    return out;
}

}  // namespace

DecodedRoster DecodeDataFile(std::string_view bytes) {
    DecodedRoster r;
    // The usual file is code page 932 text and is decoded line by line straight into the list;
    // the other encodings are tried only when its first line or its bytes say so.
    // NUL bytes are text in no encoding.
    const bool nul = std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
    const Utf8Verdict utf8 = nul ? Utf8Verdict::Broken : LooksUtf8(bytes);
    if (utf8 == Utf8Verdict::Yes) {
        r.status = LoadStatus::Utf8;
        SplitUtf8Lines(bytes, r.lines);
    } else if (utf8 == Utf8Verdict::Broken || !DecodeCp932Lines(bytes, r.lines)) {
        r.status = LoadStatus::NotCp932;
        r.lines.clear();
    }
    return r;
}

LoadStatus RosterStore::Load(RosterList& list) {
    std::optional<std::string> bytes = ReadWholeFile(paths_.dataFile);
    if (!bytes) {
        std::error_code ec;
        list.Assign({});
        if (!Exists(paths_.dataFile, ec)) return LoadStatus::Missing;
        keepOriginal_ = true;
        keptAs_ = FreeKeepName(paths_.dataFile);
        return LoadStatus::Unreadable;
    }
    DecodedRoster decoded = DecodeDataFile(*bytes);
    if (decoded.status == LoadStatus::Loaded) {
        fileBytes_ = std::move(*bytes);
    } else {
        keepOriginal_ = true;
        keptAs_ = FreeKeepName(paths_.dataFile);
    }
    list.Assign(std::move(decoded.lines));
    return decoded.status;
}

std::string EncodeDataFile(const std::vector<std::u16string>& lines) {
    // Each line is encoded straight into the file's bytes: no joined copy of the roster.
    std::size_t size = kDataFileHeader.size() + 2;
    for (const std::u16string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size * 2);
    AppendToCp932(kDataFileHeader, bytes);
    bytes += "\r\n";
    for (const std::u16string& line : lines) {
        AppendToCp932(line, bytes);
        bytes += "\r\n";
    }
    return bytes;
}

bool RosterStore::Save(const RosterList& list) {
    std::string bytes = EncodeDataFile(list.Lines());

    // A data file that was not taken as it is stays under another name, never replaced.
    std::filesystem::path keep;
    if (keepOriginal_) {
        std::error_code ec;
        if (Exists(keptAs_, ec) || ec) keptAs_ = FreeKeepName(paths_.dataFile);
        if (Exists(paths_.dataFile, ec)) keep = keptAs_;
    }
    if (!ReplaceFileAtomically(paths_.dataFile, bytes, keep)) {
        unsaved_ = std::move(bytes);
        return false;
    }
    keepOriginal_ = false;
    fileBytes_ = std::move(bytes);
    unsaved_.clear();
    return true;
}

std::string RosterStore::dataFileText() const { return WithLineEnds(fileBytes_, "\n"); }

bool RosterStore::WriteBackup(int day) {
    // Nothing read or saved, or text the program never saved: an empty or foreign backup
    // would only replace a good earlier one.
    if (keepOriginal_) return true;
    if (!unsaved_.empty()) return ReplaceFileAtomically(BackupFile(paths_, day), unsaved_);
    if (fileBytes_.empty()) return true;
    return ReplaceFileAtomically(BackupFile(paths_, day), WithLineEnds(fileBytes_, "\r\n"));
}

}  // namespace zl
