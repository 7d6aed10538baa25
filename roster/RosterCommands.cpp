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
    // A file the program cannot take as it is: told once, and kept when the first save comes.
    const std::u16string file = PathText(paths.dataFile);
    const std::u16string kept = PathText(store->keptAs());
    const std::u16string startsEmpty =
        u"\n\n名簿は空の状態で始まります。このファイルは、次に保存するときに\n" + kept +
        u"\nという名前で残されます。";
    switch (status) {
        case LoadStatus::Unreadable:
            ShowMessage(*p.boxes, u"データファイルを読み込めませんでした。\n" + file + startsEmpty);
            break;
        case LoadStatus::NotCp932:
            ShowMessage(
                *p.boxes,
                u"データファイルがShift_JISのテキストではないため、読み込めませんでした。\n" +
                    file + startsEmpty);
            break;
        case LoadStatus::Utf8:
            ShowMessage(*p.boxes,
                        u"データファイルはUTF-8で書かれていました。\n" + file +
                            u"\n\nUTF-8として読み込みました。次に保存するときにShift_JISで"
                            u"保存し、元のファイルは\n" +
                            kept + u"\nという名前で残されます。");
            break;
        case LoadStatus::Loaded:
        case LoadStatus::Missing:
            break;
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
