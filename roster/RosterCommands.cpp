#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

constexpr std::u16string_view kWriteError = u"データ書き込みでエラーが発生しました。";

}  // namespace

void CzorvelDlg::InitPaths() {
    paths = Paths::FromExecutable(p.system->ExecutablePath());
    store.emplace(paths);
}

void CzorvelDlg::LoadRoster() {
    if (!store) store.emplace(paths);
    const LoadStatus status = store->Load(roster_);
    ui.SetText(id::kTotal, ToU16(roster_.Count()));
    if (status == LoadStatus::Unreadable) {
        ShowMessage(*p.boxes,
                    u"データファイルを読み込めませんでした。\n" + PathText(paths.dataFile) +
                        u"\n\n名簿は空の状態で始まります。このファイルは、次に保存するときに\n" +
                        PathText(store->unreadableKeptAs()) + u"\nという名前で残されます。");
    }
}

void CzorvelDlg::SaveRoster() {
    if (!store) store.emplace(paths);
    ui.SetText(id::kTotal, ToU16(roster_.Count()));
    if (!store->Save(roster_)) ShowMessage(*p.boxes, kWriteError);
}

bool CzorvelDlg::WriteBackup() {
    if (!store) store.emplace(paths);
    if (store->WriteBackup(p.clock->Now().day)) return true;
    ShowMessage(*p.boxes, kWriteError);
    return false;
}

}  // namespace zl
