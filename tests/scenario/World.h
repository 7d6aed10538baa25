// The scripted outside world: what the program's services answer and what they record.
#pragma once

#include <QDialog>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "RecordingSpreadsheet.h"
#include "Support.h"
#include "app/CzorvelDlg.h"
#include "platform/Services.h"

namespace scenario {

struct World {
    zl::DateTime now{2025, 1, 15, 10, 0, 0};
    std::u16string computer = u"TESTPC";
    std::u16string executable;
    struct Box {
        std::u16string text;
        zl::BoxIcon icon;
        zl::BoxButtons buttons;
    };
    std::deque<zl::BoxAnswer> answers;
    std::deque<Box> shown;
    std::deque<std::optional<std::u16string>> saveAnswers;
    std::vector<zl::SaveRequest> saveRequests;
    std::deque<std::u16string> shellTargets;  // opened and not yet expected, in order
    std::size_t shellExpected = 0;            // targets opened and expected so far
    bool shellFails = false;                  // the next open fails
    struct Pause {
        std::size_t after;  // the number of targets opened before the pause
        int milliseconds;
    };
    std::deque<Pause> pauses;              // made and not yet expected, in order
    std::optional<std::string> clipboard;  // code page 932 text; nullopt: no text on it
    bool clipboardBusy = false;            // the next open of the clipboard fails
    std::map<int, bool> ime;
    std::vector<std::string> problems;  // found by the services while a command ran
    std::function<void()> stampFiles;
    SpreadsheetState spreadsheet;
};

class ScriptedBoxes : public zl::MessageBoxes {
public:
    explicit ScriptedBoxes(World& w) : w_(w) {}
    zl::BoxAnswer Show(std::u16string_view text, zl::BoxIcon icon,
                       zl::BoxButtons buttons) override {
        w_.shown.push_back({std::u16string(text), icon, buttons});
        // A box is a modal window over its owner while it is open: the owner is blocked and
        // unblocked again, as with a real box.
        if (owner) {
            QDialog shade(owner);
            shade.setWindowModality(Qt::ApplicationModal);
            shade.show();
            shade.hide();
        }
        if (buttons == zl::BoxButtons::Ok) return zl::BoxAnswer::Ok;
        const zl::BoxAnswer fallback =
            buttons == zl::BoxButtons::YesNo ? zl::BoxAnswer::No : zl::BoxAnswer::Cancel;
        if (w_.answers.empty()) {
            w_.problems.push_back("a box asked with no answer queued: " + scenario::Show(text));
            return fallback;
        }
        const zl::BoxAnswer a = w_.answers.front();
        w_.answers.pop_front();
        if (!Allows(buttons, a)) {
            w_.problems.push_back("answer " + AnswerName(a) + " does not fit the buttons " +
                                  ButtonsName(buttons) + " of " + scenario::Show(text));
            return fallback;
        }
        return a;
    }

    QWidget* owner = nullptr;

private:
    World& w_;
};

class ScriptedSaveDialog : public zl::SaveDialog {
public:
    explicit ScriptedSaveDialog(World& w) : w_(w) {}
    std::optional<std::u16string> AskSavePath(const zl::SaveRequest& request) override {
        w_.saveRequests.push_back(request);
        if (w_.saveAnswers.empty()) {
            w_.problems.push_back("a save dialog asked with no savefile queued: " +
                                  scenario::Show(request.title));
            return std::nullopt;
        }
        auto a = w_.saveAnswers.front();
        w_.saveAnswers.pop_front();
        return a;
    }

private:
    World& w_;
};

class ScriptedClock : public zl::Clock {
public:
    explicit ScriptedClock(World& w) : w_(w) {}
    zl::DateTime Now() override {
        // Files written since the last reading carry the scripted time, so that day rules
        // that compare a file's date with today work against the scripted date.
        if (w_.stampFiles) w_.stampFiles();
        return w_.now;
    }

private:
    World& w_;
};

class ScriptedSystem : public zl::SystemInfo {
public:
    explicit ScriptedSystem(World& w) : w_(w) {}
    std::u16string ExecutablePath() override { return w_.executable; }
    std::u16string ComputerName() override { return w_.computer; }

private:
    World& w_;
};

// Records the last switch per control and applies it to the widget as the real one does.
class RecordingInputMethod : public zl::InputMethod {
public:
    RecordingInputMethod(World& w, zl::InputMethod& real) : w_(w), real_(real) {}
    void SetOpen(int id, bool open) override {
        w_.ime[id] = open;
        real_.SetOpen(id, open);
    }

private:
    World& w_;
    zl::InputMethod& real_;
};

class MemoryClipboard : public zl::Clipboard {
public:
    explicit MemoryClipboard(World& w) : w_(w) {}
    bool HasText() override { return w_.clipboard.has_value(); }
    bool Open() override { return !std::exchange(w_.clipboardBusy, false); }
    bool Empty() override {
        w_.clipboard.reset();
        return true;
    }
    int SetText(std::string_view bytes) override {
        w_.clipboard = std::string(bytes);
        return 0;
    }
    std::optional<std::string> GetText() override { return w_.clipboard; }
    void Close() override {}

private:
    World& w_;
};

// Records every target; the one after "shell fail" fails with the number the real shell gives.
class RecordingShell : public zl::Shell {
public:
    explicit RecordingShell(World& w) : w_(w) {}
    int Open(std::u16string_view target) override {
        w_.shellTargets.emplace_back(target);
        return std::exchange(w_.shellFails, false) ? 2 : 42;
    }

private:
    World& w_;
};

// Records the pauses in their order among the opened targets; nothing waits.
class RecordingPause : public zl::Pause {
public:
    explicit RecordingPause(World& w) : w_(w) {}
    void Wait(int milliseconds) override {
        w_.pauses.push_back({w_.shellExpected + w_.shellTargets.size(), milliseconds});
    }

private:
    World& w_;
};

class NoAboutBox : public zl::AboutBox {
public:
    void Show() override {}
};

}  // namespace scenario
