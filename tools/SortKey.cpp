#include "tools/SortKey.h"

#include <unicode/ucol.h>
#include <unicode/uiter.h>

#include <algorithm>
#include <cstdint>
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

std::size_t SortCollator::SortKeyHead(std::u16string_view text, unsigned char* out,
                                      std::size_t count) const {
    UCharIterator it;
    uiter_setString(&it, U(text), static_cast<int32_t>(text.size()));
    uint32_t state[2] = {0, 0};
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n =
        ucol_nextSortKeyPart(coll_, &it, state, out, static_cast<int32_t>(count), &err);
    return U_FAILURE(err) || n < 0 ? 0 : static_cast<std::size_t>(n);
}

namespace {

// The first 16 bytes of a line's collation key as two big-endian numbers, so that comparing
// the numbers compares the bytes.
struct KeyHead {
    std::uint64_t high = 0, low = 0;
    std::uint32_t line = 0;
};

std::uint64_t BigEndian(const unsigned char* b) {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | b[i];
    return v;
}

std::vector<std::u16string> Renumbered(const std::vector<std::u16string>& lines,
                                       const std::vector<std::size_t>& order) {
    std::vector<std::u16string> sorted;
    sorted.reserve(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        sorted.push_back(RenumberLine(lines[order[i]], static_cast<int>(i) + 1));
    return sorted;
}

}  // namespace

std::vector<std::size_t> SortOrder(const std::vector<std::u16string>& lines, int item) {
    const std::vector<RosterField> fields = SortKeyFields(item);
    const SortCollator collator;

    // The key strings are compared whole only where their heads tie; a key that ends within
    // the head is padded with zero bytes, which no key byte equals, so a shorter key that is a
    // prefix of another still sorts first.
    std::vector<std::u16string> keys;
    keys.reserve(lines.size());
    std::vector<KeyHead> heads(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        keys.push_back(SortKeyString(lines[i], fields));
        unsigned char bytes[kSortKeyHeadBytes] = {};
        collator.SortKeyHead(keys.back(), bytes, kSortKeyHeadBytes);
        heads[i] = {BigEndian(bytes), BigEndian(bytes + 8), static_cast<std::uint32_t>(i)};
    }
    std::stable_sort(heads.begin(), heads.end(), [&](const KeyHead& a, const KeyHead& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        return collator.Compare(keys[a.line], keys[b.line]) < 0;
    });

    std::vector<std::size_t> order;
    order.reserve(heads.size());
    for (const KeyHead& h : heads) order.push_back(h.line);
    return order;
}

std::vector<std::size_t> WholeKeySortOrder(const std::vector<std::u16string>& lines, int item) {
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
    return order;
}

std::vector<std::u16string> SortRosterLines(const std::vector<std::u16string>& lines, int item) {
    return Renumbered(lines, SortOrder(lines, item));
}

}  // namespace zl
