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

    // Spreadsheet exports.

    // --- Links and clipboard (links/) ---
    // Opens a web address, mailto text or file; logs "ShellExecute ret = %d %s".
    int OpenLink(std::u16string_view target, bool cutBeforeScheme = true);
    void OnMainListDoubleClicked();
    // External links.

    // Mail to everyone.

    // Clipboard transfer.

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
