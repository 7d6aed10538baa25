#include "editing/Tally.h"

#include <string>

#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {

int HalfVoteWeight(std::u16string_view expectation) {
    if (expectation == u"○") return 2;
    if (expectation == u"△") return 1;
    return 0;
}

long long TallyTotal(const std::vector<std::u16string>& lines) {
    long long halfVotes = 0;
    for (const std::u16string& line : lines) {
        int weight = HalfVoteWeight(GetField(RosterField::Expectation, line).text);
        if (weight == 0) continue;
        halfVotes += static_cast<long long>(weight) * Atoi(GetField(RosterField::Votes, line).text);
    }
    return halfVotes / 2;
}

std::u16string FormatTally(long long total) {
    std::string digits = std::to_string(total < 0 ? -total : total);
    std::u16string text = FormatThousands(std::u16string(digits.begin(), digits.end()));
    return total < 0 ? u"-" + text : text;
}

}  // namespace zl
