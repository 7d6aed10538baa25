// One scenario: a fresh program folder, the scripted outside world, the real main window, and
// the commands and expectations of the script run against them. Commands and expectations are
// looked up by name in two tables; each file of the runner registers the ones it defines.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "Script.h"
#include "Support.h"
#include "World.h"
#include "app/CzorvelDlg.h"
#include "platform/FolderLock.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtServices.h"

namespace scenario {

namespace fs = std::filesystem;

class Scenario;
using CommandFn = void (*)(Scenario& s, const Command& c);

// "NAME ..." runs Commands()[NAME]; "expect WHAT ..." runs Expectations()[WHAT].
std::map<std::string, CommandFn>& Commands();
std::map<std::string, CommandFn>& Expectations();

// Registers entries at start-up: static const Register r(Commands(), {{"name", fn}, ...});
struct Register {
    Register(std::map<std::string, CommandFn>& table,
             std::initializer_list<std::pair<const char*, CommandFn>> entries) {
        for (const auto& [name, fn] : entries) table[name] = fn;
    }
};

class Scenario {
public:
    explicit Scenario(std::string file) : file_(std::move(file)) {}
    ~Scenario() {
        window_.reset();
        dlg_.reset();
    }

    bool Run(const Script& script);

    // For the commands and expectations.
    void Execute(const Command& c);
    void Expect(const Command& c);
    void Fail(const std::string& what);
    void Expected(const std::string& expected, const std::string& found);
    void CheckText(const std::u16string& expected, const std::u16string& found);

    // Argument i with ${BASE} replaced by the program folder (with its trailing separator).
    std::string Arg(const Command& c, std::size_t i) const;
    std::u16string Text(const Command& c, std::size_t i) const { return U8(Arg(c, i)); }
    // A block line with ${BASE} replaced.
    std::u16string BlockLine(const std::string& line) const;
    bool NeedArgs(const Command& c, std::size_t n);
    bool NeedWindow();
    QWidget* Control(const std::string& id, int* idOut = nullptr);
    fs::path PathOf(const std::string& p) const;
    bool YesNo(const std::string& s, bool& v);

    void StampChanged();
    void SetMtime(const fs::path& p, const zl::DateTime& t);
    std::optional<std::string> ReadFile(const fs::path& p);
    // Writes exactly these bytes, making the parent folders first; fails the scenario when the
    // file cannot be written.
    void WriteFile(const fs::path& p, const std::string& bytes);

    void EnsureActive();
    void GiveFocus(QWidget* w);
    void Commit(const std::u16string& text);

    std::string file_;
    int line_ = 0;
    int failures_ = 0;
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/zorvel-profiles-XXXXXX")};
    fs::path base_;
    std::u16string baseText_;
    World world_;
    ScriptedBoxes boxes_{world_};
    ScriptedSaveDialog saveDialog_{world_};
    ScriptedClock clock_{world_};
    ScriptedSystem system_{world_};
    MemoryClipboard clipboard_{world_};
    RecordingShell shell_{world_};
    RecordingPause pause_{world_};
    RecordingSpreadsheet spreadsheet_{world_.spreadsheet};
    NoAboutBox about_;
    std::unique_ptr<zl::QtInputMethod> realIme_;
    std::unique_ptr<RecordingInputMethod> ime_;
    std::unique_ptr<zl::QtMainWindow> window_;
    std::unique_ptr<QWidget> other_;  // another program's window, for "deactivate"
    bool inactive_ = false;           // the next click comes while another window is active
    std::unique_ptr<zl::CzorvelDlg> dlg_;
    std::map<fs::path, std::pair<fs::file_time_type, std::uintmax_t>> stamps_;
    zl::FlockFolderLock folderLock_;                  // the program's own
    std::unique_ptr<zl::FlockFolderLock> otherCopy_;  // another copy on the same folder
};

}  // namespace scenario
