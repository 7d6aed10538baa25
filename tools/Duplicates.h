// Neighbouring-line checks: equal names, equal addresses, and households (same address and
// family name) that can be folded into one entry as joint names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zl {

enum class DuplicateCheck { Name, Address, Joint };

// The fixed texts of one check.
struct DuplicateTexts {
    std::u16string_view reminder;
    std::u16string_view nothingFound;
    std::u16string_view separator;
    std::u16string_view countLabel;  // followed by " %d 件"
};
const DuplicateTexts& TextsOf(DuplicateCheck check);

// The part of a name before the first full-width space; the whole name without one.
std::u16string_view FamilyName(std::u16string_view name);
// Every half-width space of a name made full-width.
std::u16string WithFullWidthSpaces(std::u16string_view name);
// The given name that a merge adds: after the first full-width space of the name (half-width
// spaces counted as full-width), the whole name when it has no space.
std::u16string GivenNameForMerge(std::u16string_view name);

// Whether line A and the line B below it form a pair of the check.
bool PairMatches(DuplicateCheck check, std::u16string_view lineA, std::u16string_view lineB,
                 bool branchNumber);

// "No.0012 = No.0013 X\n", X being A's name, address or family name.
std::u16string ReportLine(DuplicateCheck check, std::u16string_view lineA,
                          std::u16string_view lineB);

// The upper line of the first pair looked at: the line after the selected one (the joint check:
// the selected line itself), 0 when nothing or the last line is selected.
int DuplicateStartLine(DuplicateCheck check, int count, int selected);

inline constexpr int kReportedPairs = 30;

struct DuplicateScan {
    int count = 0;
    int firstA = -1;          // upper line of the first pair found
    int lastA = -1;           // upper line of the most recent pair found
    std::u16string report;    // the lines of the first 30 pairs
    std::u16string lastLine;  // the line of the most recent pair
};

// Visits the pairs from the start line to the end, then from the top up to the start line;
// with stopAtFirst it ends at the first pair found.
DuplicateScan ScanPairs(DuplicateCheck check, const std::vector<std::u16string>& lines, int start,
                        bool stopAtFirst, bool branchNumber);

// The message after a scan: the nothing-found text, or the report with the separator and the
// count (with the "　　|" lines and the most recent pair after 30 reported ones).
std::u16string ScanMessage(DuplicateCheck check, const DuplicateScan& scan);

}  // namespace zl
