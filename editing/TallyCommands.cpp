#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "editing/Tally.h"
#include "roster/RosterLine.h"

namespace zl {

void CzorvelDlg::RecomputeTally() {
    ui.SetText(id::kTally, FormatTally(TallyTotal(roster_.Lines())));
}

namespace {

// Replaces one field of a line in place; a line too short to hold it gets the missing
// separators first.
std::u16string WithField(std::u16string line, RosterField field, std::u16string_view text) {
    FieldSlice slice = GetField(field, line);
    while (slice.start > line.size()) {
        line += u',';
        slice = GetField(field, line);
    }
    line.replace(slice.start, slice.length, text);
    return line;
}

}  // namespace

void CzorvelDlg::OnBnClickedButtonReset() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, u"データがありません。");
        return;
    }
    if (ShowMessage(*p.boxes, u"期待度を全クリアしますか？", BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;

    std::vector<std::u16string> lines;
    lines.reserve(static_cast<std::size_t>(roster_.Count()));
    for (const std::u16string& line : roster_.Lines())
        lines.push_back(
            WithField(WithField(line, RosterField::Expectation, u"不明"), RosterField::Votes, u""));
    roster_.Assign(std::move(lines));

    ClearForm();
    ui.SetComboSelection(id::kExpectation, 2);
    ui.SetText(id::kVotes, u"");
    RecomputeTally();
    EnableUpdateDelete();
    SaveRoster();

    ShowMessage(*p.boxes, u"期待度を全クリアしました。");
    Log(u"期待度を全クリアCzorvelDlg::OnBnClickedButtonReset()");
}

void CzorvelDlg::OnBnClickedButtonSetCircleOne() {
    ui.SetComboSelection(id::kExpectation, 0);
    ui.SetText(id::kVotes, u"1");
    if (!ui.Text(id::kNo).empty()) {
        OnBnClickedButtonRevise();
        return;
    }
    int before = roster_.Count();
    OnBnClickedButtonAdd();
    // Add can be cancelled at its 9999 question; report only an entry that was added.
    if (roster_.Count() > before) ShowMessage(*p.boxes, u"「○」「1」で追加しました。");
}

}  // namespace zl
