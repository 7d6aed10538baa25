#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"

namespace zl {

namespace {

// Creates a missing folder (one level); false only when it was missing and could not be made.
bool EnsureFolder(const std::filesystem::path& folder) {
    return FolderExists(folder) || CreateOneFolder(folder);
}

}  // namespace

void CzorvelDlg::OnInitDialog() {
    // The controls, the about item, the icon and the tooltips come with the window itself.
    const std::u16string executable = p.system->ExecutablePath();
    const auto started = std::filesystem::file_time_type::clock::now();
    InitPaths();
    // One copy of the program per program folder: the lock lives in the data folder.
    EnsureFolder(paths.dataFolder);
    if (p.folderLock && p.folderLock->TryLock(paths.dataFolder) == LockResult::HeldElsewhere) {
        ShowMessage(*p.boxes,
                    u"この名簿は、同じフォルダから起動された別のZorvel Listが使用中です。\n" +
                        PathText(paths.dataFolder) +
                        u"\n\nこのウィンドウは閉じます。別の名簿を使うときは、"
                        u"別のプログラムフォルダから起動してください。");
        ended = true;
        return;
    }

    settings = ReadSettings(paths.settingsFile);
    if (settings.operationLog && !EnsureFolder(paths.logFolder))
        ShowMessage(*p.boxes, u"Logフォルダの作成に失敗しました");
    log.Configure(settings.operationLog, paths.logFolder);

    if (!EnsureFolder(paths.dataFolder)) ShowMessage(*p.boxes, u"Dataフォルダの作成に失敗しました");
    if (!EnsureFolder(paths.backupFolder))
        ShowMessage(*p.boxes, u"Dataフォルダの作成に失敗しました");
    // What a crash during a save left behind.
    for (const auto& folder :
         {paths.dataFolder, paths.backupFolder, paths.logFolder, paths.workbookFolder, paths.base})
        RemoveStaleTempFiles(folder, started);

    Log(u"CurrentPath = " + executable);
    std::u16string computer = p.system->ComputerName();
    if (computer.size() > 15) computer.resize(15);
    Log(computer + u" PCにて起動：CzorvelDlg::OnInitDialog()");

    ui.SetEnabled(id::kUpdate, false);
    ui.SetEnabled(id::kDelete, false);
    ClearForm();

    ui.SetTitle(settings.title);
    Log(u"Window Title = " + settings.title);

    ui.SetChecked(id::kTranscriptionBox, settings.transcriptionMode);
    if (!settings.transcriptionModeDisplay) {
        ui.SetVisible(id::kTranscriptionBox, false);
        ui.SetChecked(id::kTranscriptionBox, false);
    }
    ui.SetChecked(id::kNameClearBox, settings.nameClear);
    if (!settings.onlyFirstName) {
        ui.SetVisible(id::kNameClearBox, false);
        ui.SetChecked(id::kNameClearBox, false);
    }

    ui.SetText(id::kJoinLabel, u"【 期待度 " + settings.join + u" 】");
    ui.SetText(id::kJoinTotalLabel, u"【 " + settings.joinTotal + u" 】");
    // The six configurable field names also become sort keys, items 4 to 9.
    const struct {
        const std::u16string* name;
        int label;
    } fields[] = {{&settings.joint1, id::kJoint1Label},    {&settings.joint2, id::kJoint2Label},
                  {&settings.joint3, id::kJoint3Label},    {&settings.remarks1, id::kRemark1Label},
                  {&settings.remarks2, id::kRemark2Label}, {&settings.remarks3, id::kRemark3Label}};
    int item = 4;
    for (const auto& f : fields) {
        ui.ComboInsert(id::kSortKey, item++, *f.name);
        ui.SetText(f.label, u"【 " + *f.name + u" 】");
    }

    if (settings.sponsor.empty()) {
        ui.SetVisible(id::kSponsor, false);
    } else {
        ui.SetText(id::kSponsor, settings.sponsor);
        ui.SetTooltip(id::kSponsor, u"HomePageへ");
    }

    LoadRoster();
    ui.SetText(id::kTally, u"0");
    RecomputeTally();

    ui.SetComboSelection(id::kBirthMonth, 0);
    ui.SetComboSelection(id::kSortKey, 1);
    ui.SetFocus(id::kKana);
}

// The closing sequence; the window closes only when it returns true.
bool CzorvelDlg::OnCloseRequest() {
    if (ended) return true;
    if (FormText() != savedFormText) {
        if (ui.Text(id::kNo).empty()) {
            switch (ShowMessage(*p.boxes, u"データが入力されています。\n追加しますか？",
                                BoxButtons::YesNoCancel)) {
                case BoxAnswer::Yes:
                    OnBnClickedButtonAdd();
                    return false;
                case BoxAnswer::No:
                    break;
                default:
                    return false;
            }
        } else {
            switch (ShowMessage(*p.boxes, u"データが変更されています。\n更新しますか？",
                                BoxButtons::YesNoCancel)) {
                case BoxAnswer::Yes:
                    ui.SetListSelection(id::kMainList, previousSelection);
                    OnBnClickedButtonRevise();
                    return false;
                case BoxAnswer::No:
                    break;
                default:
                    return false;
            }
        }
    }
    Log(u"終了：CzorvelDlg::OnClose()");
    return WriteBackup();
}

}  // namespace zl
