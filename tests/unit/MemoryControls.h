// A window and the outside world for tests and benchmarks of the commands without widgets: texts
// are held per id, the birth-month selector shows one item, the list selection is a number;
// everything else is a no-op that a test can override. The boxes record what they show and answer
// OK, the save dialog answers a fixed path, the clock a fixed time.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Services.h"

namespace zl {

class MemoryControls : public Controls {
public:
    std::map<int, std::u16string> texts;
    std::u16string comboItem = u"全月";
    int comboSelection = 0;
    int listSelection = -1;
    int progressCalls = 0;

    std::u16string Title() const override { return {}; }
    void SetTitle(std::u16string_view) override {}
    std::u16string Text(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::u16string() : it->second;
    }
    void SetText(int id, std::u16string_view text) override { texts[id] = text; }
    bool Checked(int) const override { return false; }
    void SetChecked(int, bool) override {}
    bool Visible(int) const override { return true; }
    void SetVisible(int, bool) override {}
    bool Enabled(int) const override { return true; }
    void SetEnabled(int, bool) override {}
    int Focus() const override { return 0; }
    void SetFocus(int) override {}
    void TextSelection(int, int& from, int& to) const override { from = to = 0; }
    void SetTextSelection(int, int, int) override {}
    void SetTooltip(int, std::u16string_view) override {}
    int ListSelection(int) const override { return listSelection; }
    void SetListSelection(int, int) override {}
    int ListTopIndex(int) const override { return 0; }
    void SetListTopIndex(int, int) override {}
    int ComboCount(int) const override { return comboSelection < 0 ? 0 : 1; }
    std::u16string ComboItem(int, int) const override { return comboItem; }
    void ComboInsert(int, int, std::u16string_view) override {}
    int ComboSelection(int) const override { return comboSelection; }
    void SetComboSelection(int, int) override {}
    std::optional<DateTime> PickerValue(int) const override { return std::nullopt; }
    void SetPickerValue(int, std::optional<DateTime>) override {}
    void SetProgressRange(int, int, int) override {}
    void SetProgressPos(int, int) override { ++progressCalls; }
};

class RecordingBoxes : public MessageBoxes {
public:
    struct Shown {
        std::u16string text;
        BoxIcon icon;
        BoxButtons buttons;
    };
    std::vector<Shown> shown;
    BoxAnswer Show(std::u16string_view text, BoxIcon icon, BoxButtons buttons) override {
        shown.push_back({std::u16string(text), icon, buttons});
        return BoxAnswer::Ok;
    }
};

class FixedDialog : public SaveDialog {
public:
    std::u16string path;
    std::optional<std::u16string> AskSavePath(const SaveRequest&) override { return path; }
};

class FixedClock : public Clock {
public:
    DateTime now{2024, 5, 1, 9, 0, 0};
    DateTime Now() override { return now; }
};

}  // namespace zl
