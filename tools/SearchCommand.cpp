#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "tools/Search.h"

namespace zl {

void CzorvelDlg::OnBnClickedButtonSearch() {
    const std::u16string text = ui.Text(id::kSearchText);
    if (text.empty()) {
        ShowMessage(*p.boxes, u"検索文字が入力されておりません。");
        ui.SetFocus(id::kSearchText);
        return;
    }
    const SearchWords words = ParseSearchText(text);
    const int found = FindNextMatch(roster_.Lines(), ui.ListSelection(id::kMainList), words);
    if (found < 0) {
        ShowMessage(*p.boxes, u"検索文字列はありませんでした。");
        return;
    }
    ui.SetListSelection(id::kMainList, found);
    OnMainListSelectionChanged();

    if (ui.Checked(id::kTranscriptionBox)) {
        // Ready for the given name's reading: after the first full-width space of the kana.
        ui.SetFocus(id::kKana);
        const std::u16string kana = ui.Text(id::kKana);
        const std::size_t space = kana.find(u'\u3000');
        if (space != std::u16string::npos)
            ui.SetTextSelection(id::kKana, static_cast<int>(space) + 1,
                                static_cast<int>(kana.size()));
    } else {
        // A further Enter finds the next match.
        ui.SetFocus(id::kSearchText);
        ui.SetTextSelection(id::kSearchText, 0, -1);
    }
}

}  // namespace zl
