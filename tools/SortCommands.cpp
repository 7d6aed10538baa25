#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "roster/RosterLine.h"
#include "tools/ShortenAddress.h"
#include "tools/SortKey.h"

namespace zl {
namespace {

constexpr std::u16string_view kShortenQuestion =
    u"住所の丁目、番地、号を『-』に置き換え、または削除し簡略化します\n"
    u"実行したら元には戻せません\n"
    u"必要に応じ、data\\Data.csvファイルを手動バックアップ保存ください";

// The line with its Address field shortened, every other character kept.
std::u16string WithShortAddress(const std::u16string& line) {
    const FieldSlice address = GetField(RosterField::Address, line);
    std::u16string out = line.substr(0, address.start);
    out += ShortenAddress(address.text);
    out.append(line, address.start + address.length);
    return out;
}

}  // namespace

void CzorvelDlg::OnSortCloseUp() {
    const bool shorten = ui.ComboSelection(id::kSortKey) == kSortItemShorten;
    ui.SetText(id::kSort, shorten ? u"簡略化" : u"並び替え");
}

void CzorvelDlg::OnBnClickedButtonSort() {
    if (roster_.Count() == 0) {
        ShowMessage(*p.boxes, u"データがありません。");
        return;
    }
    const int item = ui.ComboSelection(id::kSortKey);

    if (item == kSortItemShorten) {
        if (p.boxes->Show(kShortenQuestion, BoxIcon::Information, BoxButtons::OkCancel) !=
            BoxAnswer::Ok)
            return;
        std::vector<std::u16string> lines;
        lines.reserve(static_cast<std::size_t>(roster_.Count()));
        for (const std::u16string& line : roster_.Lines()) lines.push_back(WithShortAddress(line));
        roster_.Assign(std::move(lines));
        ui.SetListSelection(id::kMainList, -1);
        EnableUpdateDelete();
        SaveRoster();
        ClearForm();
        RecomputeTally();
        return;
    }

    if (item < 0 || item >= kSortItemCount) return;
    const std::u16string question =
        u"『" + ui.ComboItem(id::kSortKey, item) +
        u"』順でリストボックスを並び替えます。\n No.もリナンバーされます。";
    if (p.boxes->Show(question, BoxIcon::Information, BoxButtons::OkCancel) != BoxAnswer::Ok) {
        ui.SetFocus(id::kSortKey);
        return;
    }
    roster_.Assign(SortRosterLines(roster_.Lines(), item));
    ui.SetListSelection(id::kMainList, -1);
    EnableUpdateDelete();
    SaveRoster();
    ClearForm();
    RecomputeTally();
}

}  // namespace zl
