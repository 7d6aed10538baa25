// Sorting the roster by one of the selector's keys and renumbering it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "roster/RosterLine.h"

struct UCollator;

namespace zl {

// Selector items with no sort: the separator, and address shortening.
inline constexpr int kSortItemNone = 11;
inline constexpr int kSortItemShorten = 12;
inline constexpr int kSortItemCount = 11;  // items 0 to 10 sort

// Width of the key prefix in code page 932 bytes.
inline constexpr std::size_t kSortKeyBytes = 160;

// The key fields of a sort item (0 to 10), in order; empty for every other item.
std::vector<RosterField> SortKeyFields(int item);

// The joined key text cut or padded with ASCII spaces to exactly kSortKeyBytes code page 932
// bytes. A double-byte character that would straddle the end is dropped and its first byte
// becomes a space.
std::string FixedWidthKeyBytes(std::u16string_view joined);

// The key prefix of a line (the fixed-width bytes read back as text) and the whole key string,
// prefix followed by the line.
std::u16string SortKeyPrefix(std::u16string_view line, const std::vector<RosterField>& fields);
std::u16string SortKeyString(std::u16string_view line, const std::vector<RosterField>& fields);

// The Japanese collation of the sort: letter case and width ignored (secondary strength), spaces
// ordered before every other character.
class SortCollator {
public:
    SortCollator();
    ~SortCollator();
    SortCollator(const SortCollator&) = delete;
    SortCollator& operator=(const SortCollator&) = delete;

    // <0, 0, >0 as a sorts before, with or after b.
    int Compare(std::u16string_view a, std::u16string_view b) const;
    // The collation sort key; comparing two keys bytewise gives the order of Compare.
    void AppendSortKey(std::u16string_view text, std::string& out) const;
    // The first `count` bytes of the collation key, as ucol_nextSortKeyPart gives them; fewer
    // when the key is shorter. Heads compare bytewise as a first part of the order of Compare.
    std::size_t SortKeyHead(std::u16string_view text, unsigned char* out, std::size_t count) const;

private:
    UCollator* coll_ = nullptr;
};

// "No." and the 1-based position modulo 10000 in four digits, in place of the line's No field.
std::u16string RenumberLine(std::u16string_view line, int position);

// Bytes of the collation key compared before the whole key strings.
inline constexpr std::size_t kSortKeyHeadBytes = 16;

// The positions of the lines in the order of their key strings under the collator, lines with
// equal keys in their old order: first by the head of each key's collation key, then, where
// heads tie, by comparing the whole key strings.
std::vector<std::size_t> SortOrder(const std::vector<std::u16string>& lines, int item);
// The same order from the whole collation key of every key string: slower, kept as the
// yardstick of SortOrder.
std::vector<std::size_t> WholeKeySortOrder(const std::vector<std::u16string>& lines, int item);

// The lines ordered by the key strings of the item (lines with equal keys keep their order)
// and renumbered from 1.
std::vector<std::u16string> SortRosterLines(const std::vector<std::u16string>& lines, int item);

}  // namespace zl
