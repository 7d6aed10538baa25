// Helpers of the workbook file tests: a fixed clock, a recording shell, reading the parts of an
// .xlsx back (unzip) and its cells out of the sheet's XML, and running a program.
#pragma once

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "export/Workbooks.h"
#include "platform/Services.h"

namespace zl::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now) : now_(now) {}
    DateTime Now() override { return now_; }

private:
    DateTime now_;
};

class RecordingShell : public Shell {
public:
    explicit RecordingShell(int answer = 42) : answer_(answer) {}
    int Open(std::u16string_view target) override {
        targets.emplace_back(target);
        return answer_;
    }
    std::vector<std::u16string> targets;

private:
    int answer_;
};

class NoProgress : public ExportProgress {
public:
    void Begin(int) override {}
    void Step(int) override {}
    void End() override {}
};

// Standard output of a shell command, with its exit status.
inline std::string RunCommand(const std::string& command, int* status = nullptr) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
        const int s = ::pclose(p);
        if (status) *status = s;
    } else if (status) {
        *status = -1;
    }
    return out;
}

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// One part of a zip file.
inline std::string ZipPart(const std::filesystem::path& zip, const std::string& part) {
    return RunCommand("unzip -p " + Quote(zip.string()) + " " + Quote(part));
}

inline std::string XmlUnescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
            s.replace(at, std::string(from).size(), to);
    return s;
}

// A cell of sheet1.xml: its style index, type, formula, value and inline text (unescaped).
struct XmlCell {
    std::string style, type, formula, value, text;
    bool hasFormula = false;
};

inline std::string Between(const std::string& s, const std::string& open,
                           const std::string& close) {
    const std::size_t a = s.find(open);
    if (a == std::string::npos) return {};
    const std::size_t b = s.find(close, a + open.size());
    return b == std::string::npos ? std::string() : s.substr(a + open.size(), b - a - open.size());
}

inline std::string Attribute(const std::string& tag, const std::string& name) {
    return Between(tag, " " + name + "=\"", "\"");
}

inline std::map<std::string, XmlCell> SheetCells(const std::string& xml) {
    std::map<std::string, XmlCell> cells;
    for (std::size_t at = xml.find("<c r=\""); at != std::string::npos;
         at = xml.find("<c r=\"", at + 1)) {
        const std::size_t tagEnd = xml.find('>', at);
        const std::string tag = xml.substr(at, tagEnd - at + 1);
        XmlCell c;
        c.style = Attribute(tag, "s");
        c.type = Attribute(tag, "t");
        if (tag.size() < 2 || tag[tag.size() - 2] != '/') {
            const std::string body = xml.substr(tagEnd + 1, xml.find("</c>", tagEnd) - tagEnd - 1);
            c.hasFormula = body.find("<f>") != std::string::npos;
            c.formula = XmlUnescape(Between(body, "<f>", "</f>"));
            c.value = XmlUnescape(Between(body, "<v>", "</v>"));
            std::string t = Between(body, "<t", "</t>");
            c.text = XmlUnescape(t.substr(t.find('>') + 1));
        }
        cells[Attribute(tag, "r")] = c;
    }
    return cells;
}

// The <col> widths of a sheet by column number.
inline std::map<int, double> ColumnWidths(const std::string& xml) {
    std::map<int, double> widths;
    for (std::size_t at = xml.find("<col "); at != std::string::npos;
         at = xml.find("<col ", at + 1)) {
        const std::string tag = xml.substr(at, xml.find('>', at) - at + 1);
        for (int c = std::stoi(Attribute(tag, "min")); c <= std::stoi(Attribute(tag, "max")); ++c)
            widths[c] = std::stod(Attribute(tag, "width"));
    }
    return widths;
}

// Whether the cell style of index `style` in styles.xml uses a bold font, and its number format
// code (built-in formats by their id, as "#3").
struct CellStyle {
    bool bold = false;
    std::string format;
};
inline CellStyle StyleOf(const std::string& stylesXml, const std::string& style) {
    CellStyle out;
    const int index = style.empty() ? 0 : std::stoi(style);
    const std::string xfs = Between(stylesXml, "<cellXfs", "</cellXfs>");
    std::size_t at = xfs.find("<xf ");
    for (int i = 0; i < index && at != std::string::npos; ++i) at = xfs.find("<xf ", at + 1);
    if (at == std::string::npos) return out;
    const std::string xf = xfs.substr(at, xfs.find('>', at) - at + 1);
    const int fontId = std::stoi(Attribute(xf, "fontId"));
    const std::string fonts = Between(stylesXml, "<fonts", "</fonts>");
    std::size_t f = fonts.find("<font>");
    for (int i = 0; i < fontId && f != std::string::npos; ++i) f = fonts.find("<font>", f + 1);
    if (f != std::string::npos)
        out.bold = fonts.substr(f, fonts.find("</font>", f) - f).find("<b/>") != std::string::npos;
    const std::string id = Attribute(xf, "numFmtId");
    const std::string key = "<numFmt numFmtId=\"" + id + "\" formatCode=\"";
    const std::size_t code = stylesXml.find(key);
    out.format =
        code == std::string::npos
            ? "#" + id
            : XmlUnescape(stylesXml.substr(
                  code + key.size(), stylesXml.find('"', code + key.size()) - code - key.size()));
    return out;
}

// Excel's serial number of a day (1900 date system, days from 1899-12-30 for dates after
// February 1900).
inline long Serial(int y, int m, int d) {
    // Days from civil, H. Hinnant's algorithm.
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

}  // namespace zl::test
