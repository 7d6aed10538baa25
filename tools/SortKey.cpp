#include "tools/SortKey.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace zl {
namespace {

bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

const UChar* U(std::u16string_view s) { return reinterpret_cast<const UChar*>(s.data()); }

}  // namespace

std::vector<RosterField> SortKeyFields(int item) {
    using F = RosterField;
    switch (item) {
        case 0:
            return {F::Name};
        case 1:
            return {F::Kana};
        case 2:
            return {F::PostalCode, F::Address};
        case 3:
            return {F::BirthDate};
        case 4:
            return {F::Joint1};
        case 5:
            return {F::Joint2};
        case 6:
            return {F::Joint3};
        case 7:
            return {F::Remark1};
        case 8:
            return {F::Remark2};
        case 9:
            return {F::Remark3};
        case 10:
            return {F::Registered};
        default:
            return {};
    }
}

std::string FixedWidthKeyBytes(std::u16string_view joined) {
    std::string bytes = ToCp932(joined);
    std::size_t end = 0;
    while (end < bytes.size()) {
        std::size_t len = IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        if (end + len > kSortKeyBytes) break;
        end += len;
    }
    bytes.resize(end);
    bytes.append(kSortKeyBytes - end, ' ');
    return bytes;
}

std::u16string SortKeyPrefix(std::u16string_view line, const std::vector<RosterField>& fields) {
    std::u16string joined;
    for (RosterField f : fields) joined += GetField(f, line).text;
    return FromCp932(FixedWidthKeyBytes(joined));
}

std::u16string SortKeyString(std::u16string_view line, const std::vector<RosterField>& fields) {
    std::u16string key = SortKeyPrefix(line, fields);
    key.append(line);
    return key;
}

SortCollator::SortCollator() {
    UErrorCode err = U_ZERO_ERROR;
    coll_ = ucol_open("ja", &err);
    if (U_FAILURE(err)) throw std::runtime_error("Japanese collator unavailable");
    ucol_setStrength(coll_, UCOL_SECONDARY);
    ucol_setAttribute(coll_, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &err);
    ucol_setAttribute(coll_, UCOL_NORMALIZATION_MODE, UCOL_ON, &err);
    if (U_FAILURE(err)) throw std::runtime_error("Japanese collator unavailable");
}

SortCollator::~SortCollator() { ucol_close(coll_); }

int SortCollator::Compare(std::u16string_view a, std::u16string_view b) const {
    return static_cast<int>(ucol_strcoll(coll_, U(a), static_cast<int32_t>(a.size()), U(b),
                                         static_cast<int32_t>(b.size())));
}

void SortCollator::AppendSortKey(std::u16string_view text, std::string& out) const {
    const std::size_t base = out.size();
    std::size_t room = text.size() * 4 + 16;
    for (;;) {
        out.resize(base + room);
        int32_t n = ucol_getSortKey(coll_, U(text), static_cast<int32_t>(text.size()),
                                    reinterpret_cast<uint8_t*>(out.data() + base),
                                    static_cast<int32_t>(room));
        if (n <= static_cast<int32_t>(room)) {
            out.resize(base + static_cast<std::size_t>(n));  // includes the final zero byte
            return;
        }
        room = static_cast<std::size_t>(n);
    }
}

std::u16string RenumberLine(std::u16string_view line, int position) {
    const FieldSlice no = GetField(RosterField::No, line);
    std::u16string out = u"No." + ZeroPad(position % 10000, 4);
    out.append(line.substr(no.start + no.length));
    return out;
}

std::vector<std::u16string> SortRosterLines(const std::vector<std::u16string>& lines, int item) {
    const std::vector<RosterField> fields = SortKeyFields(item);
    const SortCollator collator;

    // One collation key per line, all in one buffer; the sort then compares bytes only.
    std::string keys;
    std::vector<std::size_t> offsets;
    offsets.reserve(lines.size());
    for (const std::u16string& line : lines) {
        offsets.push_back(keys.size());
        collator.AppendSortKey(SortKeyString(line, fields), keys);
    }

    std::vector<std::size_t> order(lines.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const char* base = keys.data();
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::strcmp(base + offsets[a], base + offsets[b]) < 0;
    });

    std::vector<std::u16string> sorted;
    sorted.reserve(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        sorted.push_back(RenumberLine(lines[order[i]], static_cast<int>(i) + 1));
    return sorted;
}

}  // namespace zl
