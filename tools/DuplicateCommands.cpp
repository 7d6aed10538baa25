#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "roster/RosterLine.h"
#include "tools/Duplicates.h"

namespace zl {
namespace {

// Selects a line as if the user had clicked it: selection, focus, and the loading routine
// (with its change check).
void SelectForUser(CzorvelDlg& dlg, int line) {
    dlg.ui.SetListSelection(id::kMainList, line);
    dlg.ui.SetFocus(id::kMainList);
    dlg.OnMainListSelectionChanged();
}

struct JointBox {
    int control;
    RosterField field;
};
constexpr JointBox kJointBoxes[] = {{id::kJoint1, RosterField::Joint1},
                                    {id::kJoint2, RosterField::Joint2},
                                    {id::kJoint3, RosterField::Joint3}};

// Folds line a + 1 into line a as a joint name and deletes it. Line a has been selected.
void MergeJoint(CzorvelDlg& dlg, int a) {
    Controls& ui = dlg.ui;
    RosterList& roster = dlg.roster_;
    // The change check may have kept other input in the form, or run Add or Update instead of
    // loading line a: merge only into a form that shows line a unchanged, so that Update writes
    // the right entry.
    if (ui.ListSelection(id::kMainList) != a || dlg.previousSelection != a ||
        dlg.FormText() != dlg.savedFormText || a + 1 >= roster.Count() ||
        !PairMatches(DuplicateCheck::Joint, roster.Line(a), roster.Line(a + 1),
                     dlg.settings.branchNumber))
        return;

    const std::u16string lineA = roster.Line(a);
    const std::u16string lineB = roster.Line(a + 1);
    const std::u16string nameB = WithFullWidthSpaces(GetField(RosterField::Name, lineB).text);
    const std::u16string given = GivenNameForMerge(nameB);

    ui.SetListTopIndex(id::kMainList, a);
    if (dlg.settings.jointAddDialog) {
        const std::u16string question = GetField(RosterField::Address, lineA).text + u"　「" +
                                        GetField(RosterField::Name, lineA).text +
                                        u"」に\n次の行の同住所、同姓の「" + nameB +
                                        u"」を連名追加し、行データを削除しますか？";
        if (dlg.p.boxes->Show(question, BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
            return;
    }

    const JointBox* free = nullptr;
    for (const JointBox& box : kJointBoxes)
        if (ui.Text(box.control).empty()) {
            free = &box;
            break;
        }
    if (!free) {
        ShowMessage(*dlg.p.boxes, u"連名の空きがありません。");
        // The next press starts at B. B is loaded too, so that the form matches the selected
        // line and an Update cannot write entry A over entry B.
        SelectForUser(dlg, a + 1);
        return;
    }

    // The form holds decoded text; the stored name holds a typed comma as "~".
    ui.SetText(free->control, DecodeFieldText(given));
    dlg.OnBnClickedButtonRevise();
    // B goes only once A holds the joint name.
    if (roster.Count() <= a + 1 || roster.Line(a + 1) != lineB ||
        GetField(free->field, roster.Line(a)).text != given)
        return;
    roster.Delete(a + 1);
    ui.SetListSelection(id::kMainList, a);
    ui.SetFocus(id::kMainList);
    dlg.SaveRoster();
    dlg.RecomputeTally();
}

void RunCheck(CzorvelDlg& dlg, DuplicateCheck check) {
    Controls& ui = dlg.ui;
    const int count = dlg.roster_.Count();
    if (count < 2) {
        ShowMessage(*dlg.p.boxes, u"データが2行以上ありません。");
        return;
    }
    if (!dlg.duplicateReminderShown) {
        ShowMessage(*dlg.p.boxes, TextsOf(check).reminder);
        dlg.duplicateReminderShown = true;
    }
    const bool listMode = ui.Checked(id::kDuplicateList);
    const int start = DuplicateStartLine(check, count, ui.ListSelection(id::kMainList));
    const DuplicateScan scan =
        ScanPairs(check, dlg.roster_.Lines(), start, !listMode, dlg.settings.branchNumber);
    if (scan.count > 0) {
        // Stepping: the pair found; list: the last pair found stays selected.
        const int a = listMode ? scan.lastA : scan.firstA;
        SelectForUser(dlg, a);
        if (check != DuplicateCheck::Joint) ui.SetListTopIndex(id::kMainList, a);
        if (!listMode) {
            if (check == DuplicateCheck::Joint) MergeJoint(dlg, a);
            return;
        }
    }
    ShowMessage(*dlg.p.boxes, ScanMessage(check, scan));
}

}  // namespace

void CzorvelDlg::OnBnClickedButtonNameDuplicates() { RunCheck(*this, DuplicateCheck::Name); }
void CzorvelDlg::OnBnClickedButtonAddressDuplicates() { RunCheck(*this, DuplicateCheck::Address); }
void CzorvelDlg::OnBnClickedButtonJointMerge() { RunCheck(*this, DuplicateCheck::Joint); }

}  // namespace zl
