#include "roster/DataFile.h"

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

// The file's bytes as a text-mode read gives them line by line: CR LF becomes "\n", and a last
// line without line end gets one.
std::string TextModeLines(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        out += bytes[i];
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

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
        if (i > 10000) return candidate;  // give up searching; the rename will then fail
    }
}

}  // namespace

LoadStatus RosterStore::Load(RosterList& list) {
    LoadStatus status = LoadStatus::Loaded;
    if (std::optional<std::string> bytes = ReadWholeFile(paths_.dataFile)) {
        dataFileText_ = TextModeLines(*bytes);
    } else {
        std::error_code ec;
        if (Exists(paths_.dataFile, ec)) {
            status = LoadStatus::Unreadable;
            unreadable_ = true;
            unreadableKeptAs_ = FreeKeepName(paths_.dataFile);
        } else {
            status = LoadStatus::Missing;
        }
    }

    // The first line is dropped unread; every further line, empty or not, is an entry.
    const std::u16string text = FromCp932(dataFileText_);
    std::vector<std::u16string> lines = list.Lines();
    std::size_t pos = text.find(u'\n');
    if (pos != text.npos) {
        ++pos;
        while (pos < text.size()) {
            std::size_t nl = text.find(u'\n', pos);
            if (nl == text.npos) nl = text.size();
            lines.emplace_back(text, pos, nl - pos);
            pos = nl + 1;
        }
    }
    list.Assign(std::move(lines));
    return status;
}

bool RosterStore::KeepUnreadableFile() {
    std::error_code ec;
    if (!Exists(paths_.dataFile, ec)) {
        unreadable_ = false;  // gone meanwhile: nothing left to keep
        return true;
    }
    if (Exists(unreadableKeptAs_, ec) || ec) unreadableKeptAs_ = FreeKeepName(paths_.dataFile);
    std::filesystem::rename(paths_.dataFile, unreadableKeptAs_, ec);
    if (ec) return false;
    unreadable_ = false;
    return true;
}

bool RosterStore::Save(const RosterList& list) {
    std::size_t size = kDataFileHeader.size() + 1;
    for (const std::u16string& line : list.Lines()) size += line.size() + 1;
    std::u16string text;
    text.reserve(size);
    text += kDataFileHeader;
    text += u'\n';
    for (const std::u16string& line : list.Lines()) {
        text += line;
        text += u'\n';
    }
    dataFileText_ = ToCp932(text);

    // An unreadable data file found at start-up is kept under another name, never replaced.
    if (unreadable_ && !KeepUnreadableFile()) return false;
    return ReplaceFileAtomically(paths_.dataFile, ToCrLf(dataFileText_));
}

bool RosterStore::WriteBackup(int day) {
    // Nothing read or saved: an empty backup would only wipe an earlier month's backup.
    if (dataFileText_.empty()) return true;
    return ReplaceFileAtomically(BackupFile(paths_, day), ToCrLf(dataFileText_));
}

}  // namespace zl
