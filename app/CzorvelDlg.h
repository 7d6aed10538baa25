// The main window's logic: its state, the start-up and closing sequences, the event wiring and
// every command handler. The handlers of each subsystem live in that subsystem's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/OperationLog.h"
#include "app/Settings.h"
#include "platform/Services.h"
#include "platform/WindowEvents.h"
#include "roster/DataFile.h"
#include "roster/Paths.h"
#include "roster/RosterList.h"

namespace zl {

struct LoadedEntry;

class AboutBox {
public:
    virtual ~AboutBox() = default;
    virtual void Show() = 0;
};

class CzorvelDlg : public WindowEvents {
public:
    CzorvelDlg(Platform platform, AboutBox* about);

    RosterList& roster() { return roster_; }

    // WindowEvents
    void OnInitDialog() override;
    void OnEvent(int id, UiEvent event) override;
    bool PreTranslateKey(Key key) override;
    bool OnCloseRequest() override;
    void OnSystemCommand(int command) override;

    // --- Application shell (app/) ---
    void Log(std::u16string_view text);  // logText = text, then WriteLogLine
    void OnSearchClear();
    void OnTranscriptionBoxClicked();
    void OnNameClearBoxClicked();
    void OnManual();
    void OnSponsorLink();

    // --- Roster store (roster/) ---
    // Paths from the executable's folder, and the store on them.
    void InitPaths();
    void LoadRoster();
    void SaveRoster();
    bool WriteBackup();

    // --- Entry form (editing/) ---
    std::u16string FormText() const;
    void OnMainListSelectionChanged();
    // Shows an entry read from a line in the form, every field but the No.
    void ShowEntry(const LoadedEntry& entry);
    // The leave handlers of the fields with link buttons, as after loading an entry.
    void RunLinkLeaveHandlers();
    void EnableUpdateDelete();
    void ClearForm();
    void OnClearName();         // 1037
    void OnClearAddress();      // 1038
    void OnClearHouseNumber();  // 1039
    void OnClearGivenName();    // 1040
    // Add, update, delete.
    void OnBnClickedButtonAdd();
    void OnBnClickedButtonRevise();
    void OnBnClickedButtonDelete();
    // Field enter and leave handlers (normalisation, input method).
    void OnFieldFocusIn(int id);
    void OnFieldFocusOut(int id);
    // Birthdate picker.
    void OnBirthPickerChanged();
    void OnBirthPickerFocusIn();
    void OnBirthPickerFocusOut();
    // Expectation tally.
    void RecomputeTally();
    void OnBnClickedButtonReset();
    void OnBnClickedButtonSetCircleOne();
    // --- Entry editing: helpers ---
    // The change check before the form is replaced or the window closes: true when the caller
    // may go on (nothing changed, or the answer was No); Yes runs Add or Update.
    bool CheckFormChange();
    // Reads the birthdate text into the picker; writes the age from the picker.
    void ParseBirthText();
    void ComputeAge();
    // Opens or closes the input method of a control while "ImeControl" is on.
    void SwitchInputMethod(int id, bool open);

    // --- List tools (tools/) ---
    void OnBnClickedButtonSearch();
    void OnSortCloseUp();
    void OnBnClickedButtonSort();
    void OnBnClickedButtonNameDuplicates();
    void OnBnClickedButtonAddressDuplicates();
    void OnBnClickedButtonJointMerge();

    // --- Exports (export/) ---
    // CSV exports.
    void OnBnClickedButtonCsvExport();    // 1032, birth-month CSV
    void OnBnClickedButtonBulkMailCsv();  // 1035, bulk-mail CSV from the selected line down
    void OnBnClickedButtonLabelCsv();     // 1047, label CSV, split at 3,000 records

    // Spreadsheet exports.
    void OnBnClickedButtonExcel();  // 1041: the birth-month workbook
    void OnBnClickedButtonXls();    // 1068: the expectation workbook

    // --- Links and clipboard (links/) ---
    // Opens a web address, mailto text or file; logs "ShellExecute ret = %d %s".
    int OpenLink(std::u16string_view target, bool cutBeforeScheme = true);
    void OnMainListDoubleClicked();
    // External links.
    void OnBnClickedButtonMap();                 // 1042, first map
    void OnBnClickedButtonMap2();                // 1063, second map or the address's link
    void OnBnClickedButtonMail();                // 1044, mail to the person or the link
    void OnBnClickedButtonRemarkLink(int link);  // 1070 to 1072
    // What a loaded or pasted entry opens by the "SelectChangeMap" and "SelectChangeUrl"
    // settings: the first map, and the e-mail field's link.
    void OpenEntryLinks();

    // Mail to everyone.
    void OnBnClickedButtonMailEveryone();  // 1058

    // Clipboard transfer.
    void CopyPhoneNumber();               // 1046
    void OnBnClickedButtonCopyRecord();   // 1064
    void OnBnClickedButtonPasteRecord();  // 1065

    // State shared by the subsystems.
    Platform p;
    Controls& ui;
    AboutBox* about;
    Paths paths;
    Settings settings;
    OperationLog log;
    RosterList roster_;
    std::optional<RosterStore> store;

    // Entry form.
    std::u16string savedFormText;
    int previousSelection = 0;
    // Entry editing: set while a leave handler's message box and the focus return after it run,
    // so that the focus changes they cause start no leave or enter handler.
    bool leaveHandlerBusy = false;
    // Enter key targets.
    bool searchBoxFocused = false;
    bool addButtonFocused = false;
    // The duplicate commands' reminder is shown once per run.
    bool duplicateReminderShown = false;
    // Set when start-up ended the program early (another copy uses the folder): the window
    // closes without the closing sequence.
    bool ended = false;
};

}  // namespace zl
