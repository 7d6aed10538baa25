// The total of expected votes: each entry's votes weighted by its expectation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zl {

// Half votes per vote: 2 for "○", 1 for "△", 0 for anything else.
int HalfVoteWeight(std::u16string_view expectation);

// The total over the roster lines, a remaining half vote dropped.
long long TallyTotal(const std::vector<std::u16string>& lines);

// The total as shown: decimal digits with thousands separators (a minus sign kept in front).
std::u16string FormatTally(long long total);

}  // namespace zl
