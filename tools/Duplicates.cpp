#include "tools/Duplicates.h"

#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace zl {
namespace {

constexpr char16_t kFullWidthSpace = u'\u3000';

std::u16string_view NoText(std::u16string_view line) { return line.substr(0, 7); }

}  // namespace

const DuplicateTexts& TextsOf(DuplicateCheck check) {
    static const DuplicateTexts kName{
        u"隣行の重複チェックなので、事前に「名前」で並び替えが必要です。",
        u"隣行での名前重複はありませんでした。", u"--------------\n", u"重複"};
    static const DuplicateTexts kAddress{
        u"隣行の重複チェックなので、事前に「〒住所」で並び替えが必要です。",
        u"隣行での住所重複はありませんでした。", u"--------------\n", u"重複"};
    static const DuplicateTexts kJoint{
        u"隣行の重複チェックなので、事前に「名前」、「〒住所」の順で並び替えが必要です。",
        u"隣行での同姓&住所重複はありませんでした。", u"----------------------------\n",
        u"連名統合可能性"};
    switch (check) {
        case DuplicateCheck::Name:
            return kName;
        case DuplicateCheck::Address:
            return kAddress;
        case DuplicateCheck::Joint:
            break;
    }
    return kJoint;
}

std::u16string_view FamilyName(std::u16string_view name) {
    return name.substr(0, name.find(kFullWidthSpace));
}

std::u16string WithFullWidthSpaces(std::u16string_view name) {
    std::u16string out(name);
    for (char16_t& c : out)
        if (c == u' ') c = kFullWidthSpace;
    return out;
}

std::u16string GivenNameForMerge(std::u16string_view name) {
    std::u16string full = WithFullWidthSpaces(name);
    std::size_t space = full.find(kFullWidthSpace);
    if (space == std::u16string::npos) return full;
    return full.substr(space + 1);
}

bool PairMatches(DuplicateCheck check, std::u16string_view lineA, std::u16string_view lineB,
                 bool branchNumber) {
    switch (check) {
        case DuplicateCheck::Name:
            return GetField(RosterField::Name, lineA).text ==
                   GetField(RosterField::Name, lineB).text;
        case DuplicateCheck::Address:
            return GetField(RosterField::Address, lineA).text ==
                   GetField(RosterField::Address, lineB).text;
        case DuplicateCheck::Joint:
            break;
    }
    const std::u16string addressA = GetField(RosterField::Address, lineA).text;
    if (addressA != GetField(RosterField::Address, lineB).text) return false;
    const std::u16string nameA = GetField(RosterField::Name, lineA).text;
    const std::u16string nameB = GetField(RosterField::Name, lineB).text;
    if (FamilyName(nameA) != FamilyName(nameB)) return false;
    return !branchNumber || addressA.find(u'-') != std::u16string::npos;
}

std::u16string ReportLine(DuplicateCheck check, std::u16string_view lineA,
                          std::u16string_view lineB) {
    std::u16string x;
    switch (check) {
        case DuplicateCheck::Name:
            x = GetField(RosterField::Name, lineA).text;
            break;
        case DuplicateCheck::Address:
            x = GetField(RosterField::Address, lineA).text;
            break;
        case DuplicateCheck::Joint:
            x = std::u16string(FamilyName(GetField(RosterField::Name, lineA).text));
            break;
    }
    std::u16string out(NoText(lineA));
    out += u" = ";
    out += NoText(lineB);
    out += u" ";
    out += x;
    out += u"\n";
    return out;
}

int DuplicateStartLine(DuplicateCheck check, int count, int selected) {
    if (selected < 0 || selected >= count - 1) return 0;
    return check == DuplicateCheck::Joint ? selected : selected + 1;
}

DuplicateScan ScanPairs(DuplicateCheck check, const std::vector<std::u16string>& lines, int start,
                        bool stopAtFirst, bool branchNumber) {
    DuplicateScan scan;
    const int n = static_cast<int>(lines.size());
    if (n < 2) return scan;
    if (start < 0 || start > n - 1) start = 0;
    auto visit = [&](int a) {
        const std::u16string& lineA = lines[static_cast<std::size_t>(a)];
        const std::u16string& lineB = lines[static_cast<std::size_t>(a) + 1];
        if (!PairMatches(check, lineA, lineB, branchNumber)) return false;
        std::u16string reported = ReportLine(check, lineA, lineB);
        if (scan.count < kReportedPairs) scan.report += reported;
        scan.lastLine = std::move(reported);
        ++scan.count;
        if (scan.firstA < 0) scan.firstA = a;
        scan.lastA = a;
        return stopAtFirst;
    };
    // First pass (s, s+1) ... (N-2, N-1), then (0, 1) ... (s-1, s).
    for (int a = start; a < n - 1; ++a)
        if (visit(a)) return scan;
    for (int a = 0; a < start; ++a)
        if (visit(a)) return scan;
    return scan;
}

std::u16string ScanMessage(DuplicateCheck check, const DuplicateScan& scan) {
    const DuplicateTexts& texts = TextsOf(check);
    if (scan.count == 0) return std::u16string(texts.nothingFound);
    std::u16string text = scan.report;
    if (scan.count > kReportedPairs) {
        text += u"　　|\n　　|\n";
        text += scan.lastLine;
    }
    text += texts.separator;
    text += texts.countLabel;
    text += u" " + ToU16(scan.count) + u" 件";
    return text;
}

}  // namespace zl
