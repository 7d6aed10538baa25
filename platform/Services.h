// The outside world other than the window's controls: message boxes, the save dialog, the
// clock, the machine, the input method, the clipboard, the shell, the pause and the
// spreadsheet.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/DateTime.h"
#include "platform/Spreadsheet.h"

namespace zl {

enum class BoxIcon { Information, Exclamation, Warning, Error };
enum class BoxButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // "\n" and "\r" in the text both start a new line.
    virtual BoxAnswer Show(std::u16string_view text, BoxIcon icon, BoxButtons buttons) = 0;
};

// Shows a box with the icon the program uses when none is named: exclamation.
inline BoxAnswer ShowMessage(MessageBoxes& boxes, std::u16string_view text,
                             BoxButtons buttons = BoxButtons::Ok,
                             BoxIcon icon = BoxIcon::Exclamation) {
    return boxes.Show(text, icon, buttons);
}

// One choice of the dialog's file-type list: its name and its patterns ("*.csv", "*.*").
struct FileFilter {
    std::u16string name;
    std::u16string patterns;
};

struct SaveRequest {
    std::u16string title;
    std::u16string defaultName;       // proposed file name
    std::u16string filter;            // e.g. u"CSV (*.csv)"; used when `filters` is empty
    std::u16string defaultExt;        // e.g. u"csv"; added to a chosen name that has no extension
    std::vector<FileFilter> filters;  // in the order shown; the first is selected
    bool confirmOverwrite = true;     // ask before an existing file is chosen
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The chosen full path, or nullopt when the user cancelled.
    virtual std::optional<std::u16string> AskSavePath(const SaveRequest& request) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() = 0;  // local date and time, whole seconds
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual std::u16string ExecutablePath() = 0;  // full path of the running program
    virtual std::u16string ComputerName() = 0;    // at most 15 characters
};

class InputMethod {
public:
    virtual ~InputMethod() = default;
    // Opens (Japanese input) or closes (direct input) the input method for a control.
    virtual void SetOpen(int id, bool open) = 0;
};

// The clipboard, step by step as the system's clipboard calls go: open it, empty it, hand it
// text or take its text, close it. Its text is code page 932 bytes; the desktop's clipboard
// may hold Unicode text, converted on the way in and out.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Whether text is on the clipboard; asked without opening it.
    virtual bool HasText() = 0;
    virtual bool Open() = 0;
    virtual bool Empty() = 0;
    // Hands text to the opened clipboard: 0 on success, else the platform's error code.
    virtual int SetText(std::string_view bytes) = 0;
    virtual std::optional<std::string> GetText() = 0;  // nullopt: no text data
    virtual void Close() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address, mailto text or file with its default program. Returns a number
    // above 32 on success and 2 on failure.
    virtual int Open(std::u16string_view target) = 0;
};

// A pause of the program, during which the window does not respond.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void Wait(int milliseconds) = 0;
};

// The lock that keeps a second copy of the program off a program folder's roster.
enum class LockResult { Taken, HeldElsewhere, Failed };
class FolderLock {
public:
    virtual ~FolderLock() = default;
    // Takes the lock in a folder for as long as the object lives. A lock left by a copy that
    // ended without releasing it (a crash, a kill) counts as free.
    virtual LockResult TryLock(const std::filesystem::path& folder) = 0;
};

// Everything outside the program that the main window's logic uses.
struct Platform {
    Controls* controls = nullptr;
    MessageBoxes* boxes = nullptr;
    SaveDialog* saveDialog = nullptr;
    Clock* clock = nullptr;
    SystemInfo* system = nullptr;
    InputMethod* inputMethod = nullptr;
    Clipboard* clipboard = nullptr;
    Shell* shell = nullptr;
    Pause* pause = nullptr;
    Spreadsheet* spreadsheet = nullptr;
    FolderLock* folderLock = nullptr;
};

}  // namespace zl
