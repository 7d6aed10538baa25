#include "app/ProfileFile.h"

#include <optional>
#include <vector>

#include "platform/CodePage932.h"
#include "platform/FileSystem.h"

namespace zl {

namespace {

constexpr std::size_t kMaxValueBytes = 511;  // what a 512-byte buffer holds

// One line of the file: its text and its line end ("\r\n", "\n", a lone "\r", or none), as they
// are. Line-end bytes never occur inside a double-byte character.
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> SplitKeepingEnds(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t textEnd = bytes.find_first_of("\r\n", pos);
        if (textEnd == bytes.npos) textEnd = bytes.size();
        std::size_t next = textEnd;
        if (next < bytes.size() && bytes[next] == '\r') ++next;
        if (next < bytes.size() && bytes[next] == '\n') ++next;
        lines.push_back({bytes.substr(pos, textEnd - pos), bytes.substr(textEnd, next - textEnd)});
        pos = next;
    }
    return lines;
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The first single-byte character `c` of a code page 932 text, never the second byte of a
// double-byte character ("]" is the second byte of 余, ‐, 従, ...).
std::size_t FindChar(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == c) return i;
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) ++i;
    }
    return text.npos;
}

// Blanks are single bytes that never occur inside a double-byte character.
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Names compared as text, ASCII letters without regard to case. Comparing the Unicode texts
// keeps the trail byte of a double-byte character from matching a letter.
bool SameName(std::string_view fileName, std::u16string_view name) {
    std::u16string a = FromCp932(fileName);
    if (a.size() != name.size()) return false;
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(name[i])) return false;
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view text) {
    std::string_view t = TrimBlanks(text);
    if (t.empty() || t.front() != '[') return std::nullopt;
    t.remove_prefix(1);
    std::size_t close = FindChar(t, ']');
    return TrimBlanks(t.substr(0, close));
}

// The key of a "key=value" line.
std::optional<std::string_view> KeyName(std::string_view text) {
    std::size_t eq = text.find('=');
    if (eq == text.npos) return std::nullopt;
    return TrimBlanks(text.substr(0, eq));
}

// The longest start of a value that fits the buffer without splitting a double-byte character.
std::string_view CutToBuffer(std::string_view value) {
    std::size_t pos = 0;
    while (pos < value.size()) {
        std::size_t len =
            IsLeadByte(static_cast<unsigned char>(value[pos])) && pos + 1 < value.size() ? 2 : 1;
        if (pos + len > kMaxValueBytes) break;
        pos += len;
    }
    return value.substr(0, pos);
}

// Where a section and a key lie among the lines.
struct Location {
    std::optional<std::size_t> section;  // the "[name]" line
    std::optional<std::size_t> key;      // the key's line within that section
    std::size_t lastInSection = 0;       // last non-blank line of the section
};

Location Find(const std::vector<Line>& lines, std::u16string_view section,
              std::u16string_view key) {
    Location loc;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i].text)) {
            if (loc.section) break;  // the section ends at the next one
            if (SameName(*name, section)) loc.section = loc.lastInSection = i;
            continue;
        }
        if (!loc.section) continue;
        if (!TrimBlanks(lines[i].text).empty()) loc.lastInSection = i;
        if (!loc.key) {
            auto name = KeyName(lines[i].text);
            if (name && SameName(*name, key)) loc.key = i;
        }
    }
    return loc;
}

}  // namespace

std::u16string GetProfileString(const std::filesystem::path& file, std::u16string_view section,
                                std::u16string_view key, std::u16string_view fallback) {
    std::optional<std::string> bytes = ReadWholeFile(file);
    if (!bytes) return std::u16string(fallback);
    return ProfileValue(*bytes, section, key, fallback);
}

std::u16string ProfileValue(std::string_view bytes, std::u16string_view section,
                            std::u16string_view key, std::u16string_view fallback) {
    const std::vector<Line> lines = SplitKeepingEnds(bytes);
    const Location loc = Find(lines, section, key);
    if (!loc.key) return std::u16string(fallback);

    std::string_view text = lines[*loc.key].text;
    std::string_view value = TrimBlanks(text.substr(text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return FromCp932(CutToBuffer(value));
}

bool WriteProfileString(const std::filesystem::path& file, std::u16string_view section,
                        std::u16string_view key, std::u16string_view value) {
    std::string bytes;
    if (std::optional<std::string> read = ReadWholeFile(file)) {
        bytes = std::move(*read);
    } else {
        std::error_code ec;
        if (std::filesystem::exists(file, ec) || ec) return false;  // never overwrite unread
    }
    return ReplaceFileAtomically(file, WithProfileValue(bytes, section, key, value));
}

std::string WithProfileValue(std::string_view bytes, std::u16string_view section,
                             std::u16string_view key, std::u16string_view value) {
    // A line break in the value would start a new line of the file.
    std::string valueBytes;
    for (char c : ToCp932(value))
        if (c != '\r' && c != '\n') valueBytes += c;

    const std::vector<Line> lines = SplitKeepingEnds(bytes);
    const Location loc = Find(lines, section, key);
    const std::string keyLine = ToCp932(key) + "=" + valueBytes;

    std::string out;
    out.reserve(bytes.size() + keyLine.size() + section.size() * 2 + 8);
    auto appendLine = [&out](const Line& l) {
        out.append(l.text);
        out.append(l.end);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (loc.key && i == *loc.key) {
            // The key's own spelling and spacing up to "=" stay; only the value changes.
            std::string_view t = lines[i].text;
            out.append(t.substr(0, t.find('=') + 1));
            out.append(valueBytes);
            out.append(lines[i].end);
            continue;
        }
        if (!loc.key && loc.section && i == loc.lastInSection) {
            // The new key goes on a line of its own, after a whole line end.
            out.append(lines[i].text);
            out += lines[i].end == "\n" ? "\n" : "\r\n";
            out += keyLine + "\r\n";
            continue;
        }
        appendLine(lines[i]);
    }
    if (!loc.section) {
        if (!out.empty() && out.back() != '\n') out += out.back() == '\r' ? "\n" : "\r\n";
        out += "[" + ToCp932(section) + "]\r\n" + keyLine + "\r\n";
    }
    return out;
}

}  // namespace zl
