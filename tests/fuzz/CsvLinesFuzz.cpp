// The CSV exports' lines for any stored line: every one reads back with an RFC 4180 reader into
// the layout's number of columns, and the columns that carry a field unchanged hold it decoded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "export/CsvLines.h"
#include "platform/CodePage932.h"
#include "roster/RosterLine.h"

namespace {

using Row = std::vector<std::u16string>;

// One record ending in CR LF; aborts on anything RFC 4180 does not allow.
Row ReadRecord(const std::u16string& text) {
    Row row;
    std::size_t i = 0;
    while (true) {
        std::u16string field;
        if (i < text.size() && text[i] == u'"') {
            for (++i;; ++i) {
                if (i >= text.size()) std::abort();
                if (text[i] == u'"') {
                    if (i + 1 < text.size() && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            for (; i < text.size() && text[i] != u',' && text[i] != u'\r'; ++i) {
                if (text[i] == u'"' || text[i] == u'\n') std::abort();
                field += text[i];
            }
        }
        row.push_back(field);
        if (i < text.size() && text[i] == u',') {
            ++i;
            continue;
        }
        if (i + 2 == text.size() && text[i] == u'\r' && text[i + 1] == u'\n') return row;
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A stored line holds no line break.
    std::u16string line = zl::FromCp932(std::string(reinterpret_cast<const char*>(data), size));
    for (char16_t& c : line)
        if (c == u'\r' || c == u'\n') c = u' ';

    std::u16string month;
    zl::AppendBirthMonthCsvLine(month, line);
    std::size_t commas = 0;
    for (char16_t c : line) commas += c == u',' ? 1 : 0;
    if (ReadRecord(month).size() != commas + 1) std::abort();

    std::u16string mail;
    zl::AppendBulkMailCsvLine(mail, line);
    const Row mailRow = ReadRecord(mail);
    if (mailRow.size() != 8) std::abort();
    for (int f = 1; f <= 7; ++f)
        if (mailRow[f - 1] != zl::DecodeFieldText(zl::GetField(f, line).text)) std::abort();
    auto on = [&line](zl::RosterField f) { return zl::GetField(f, line).text == u"ON"; };
    if (mailRow[7] != (on(zl::RosterField::NoPhone) ? u"○" : u"")) std::abort();
    if (zl::LabelExported(line, std::nullopt) !=
        (!on(zl::RosterField::NoFlyer) && !on(zl::RosterField::NoPostcard)))
        std::abort();

    std::u16string label;
    zl::AppendLabelRecord(label, line);
    const Row labelRow = ReadRecord(label);
    if (labelRow.size() != 17) std::abort();
    const std::u16string name = zl::DecodeFieldText(zl::GetField(zl::RosterField::Name, line).text);
    if (labelRow[0] != name || labelRow[7] != name) std::abort();
    if (labelRow[15] != zl::DecodeFieldText(zl::GetField(zl::RosterField::Remark1, line).text))
        std::abort();
    return 0;
}
