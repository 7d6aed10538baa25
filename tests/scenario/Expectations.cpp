// The expectations: what the window, the program folder and the outside world must show.
#include <QAbstractItemModel>
#include <QWidget>
#include <algorithm>

#include "Scenario.h"
#include "app/ControlTable.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace scenario {

void Scenario::Expect(const Command& c) {
    if (!NeedArgs(c, 2)) return;
    const std::string what = c.args[1];
    if (auto it = Expectations().find(what); it != Expectations().end())
        return it->second(*this, c);
    if (what == "box") {
        if (!NeedArgs(c, 3)) return;
        if (world_.shown.empty()) return Expected("a box " + Show(Text(c, 2)), "none");
        const World::Box b = world_.shown.front();
        world_.shown.pop_front();
        // A "*" stands for any run of characters, for texts whose wording is free.
        if (const std::u16string want = Text(c, 2); want.find(u'*') != want.npos) {
            if (!WildcardMatch(want, b.text)) Expected(Show(want), Show(b.text));
        } else {
            CheckText(want, b.text);
        }
        for (std::size_t i = 3; i < c.args.size(); ++i) {
            const std::string a = Arg(c, i);
            if (a == "information" || a == "exclamation" || a == "warning" || a == "error") {
                if (IconName(b.icon) != a) Expected("icon " + a, IconName(b.icon));
            } else if (a == "ok" || a == "okcancel" || a == "yesnocancel" || a == "yesno") {
                if (ButtonsName(b.buttons) != a) Expected("buttons " + a, ButtonsName(b.buttons));
            } else {
                Fail("unknown icon or buttons " + Show(a));
            }
        }
        return;
    }
    if (what == "nobox") {
        if (!world_.shown.empty()) Expected("no box", Show(world_.shown.front().text));
        return;
    }
    if (what == "shell") {
        // The next target opened; "*" matches any run of characters. Pauses made before it
        // need not be expected.
        if (!NeedArgs(c, 3)) return;
        if (world_.shellTargets.empty()) return Expected(Show(Text(c, 2)), "no target opened");
        const std::u16string t = world_.shellTargets.front();
        world_.shellTargets.pop_front();
        ++world_.shellExpected;
        while (!world_.pauses.empty() && world_.pauses.front().after < world_.shellExpected)
            world_.pauses.pop_front();
        if (!WildcardMatch(Text(c, 2), t)) Expected(Show(Text(c, 2)), Show(t));
        return;
    }
    if (what == "clipboard") {
        if (!NeedArgs(c, 3)) return;
        if (!world_.clipboard) return Expected(Show(Text(c, 2)), "no text on the clipboard");
        return CheckText(Text(c, 2), zl::FromCp932(*world_.clipboard));
    }
    // The program folder.
    if (what == "file" || what == "fileline" || what == "filelines" || what == "nofile" ||
        what == "bytes" || what == "folder") {
        if (!NeedArgs(c, 3)) return;
        const fs::path p = PathOf(Arg(c, 2));
        if (what == "folder") {
            std::error_code ec;
            if (!fs::is_directory(p, ec)) Expected("a folder " + Show(Arg(c, 2)), "none");
            return;
        }
        if (what == "nofile") {
            std::error_code ec;
            if (fs::exists(p, ec)) Expected("nothing at " + Show(Arg(c, 2)), "something");
            return;
        }
        const std::optional<std::string> bytes = ReadFile(p);
        if (!bytes) return Expected("a file " + Show(Arg(c, 2)), "none");
        if (what == "bytes") {
            if (!NeedArgs(c, 4)) return;
            if (std::to_string(bytes->size()) != Arg(c, 3))
                Expected(Arg(c, 3) + " bytes", std::to_string(bytes->size()));
            return;
        }
        const std::u16string text = zl::FromCp932(*bytes);
        if (zl::ToCp932(text) != *bytes) return Fail("the file does not decode from code page 932");
        std::vector<std::u16string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(u'\n', start);
            if (end == std::u16string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            std::u16string l = text.substr(start, end - start);
            if (!l.empty() && l.back() == u'\r') l.pop_back();
            lines.push_back(std::move(l));
            start = end + 1;
        }
        if (what == "filelines") {
            if (!NeedArgs(c, 4)) return;
            if (std::to_string(lines.size()) != Arg(c, 3))
                Expected(Arg(c, 3) + " lines", std::to_string(lines.size()));
            return;
        }
        if (what == "fileline") {
            if (!NeedArgs(c, 5)) return;
            const int n = std::atoi(Arg(c, 3).c_str());
            if (n < 1 || n > static_cast<int>(lines.size()))
                return Expected("line " + Arg(c, 3) + " " + Show(Text(c, 4)),
                                std::to_string(lines.size()) + " lines");
            return CheckText(Text(c, 4), lines[static_cast<std::size_t>(n - 1)]);
        }
        std::u16string expected;
        for (const std::string& l : c.block)
            expected += zl::ReplaceAll(U8(l), u"${BASE}", baseText_) + u"\r\n";
        if (expected == text) return;
        // Name the first line that differs.
        std::vector<std::u16string> want;
        for (const std::string& l : c.block)
            want.push_back(zl::ReplaceAll(U8(l), u"${BASE}", baseText_));
        for (std::size_t i = 0; i < std::max(want.size(), lines.size()); ++i) {
            const std::u16string w = i < want.size() ? want[i] : u"(no line)";
            const std::u16string f = i < lines.size() ? lines[i] : u"(no line)";
            if (w != f) {
                return Expected("line " + std::to_string(i + 1) + " " + Show(w), Show(f));
            }
        }
        return Fail("the file's lines are not each ended by CR LF");
    }
    if (!NeedWindow()) return;
    if (what == "title") {
        if (NeedArgs(c, 3)) CheckText(Text(c, 2), window_->Title());
        return;
    }
    if (what == "closed") {
        bool v;
        if (NeedArgs(c, 3) && YesNo(Arg(c, 2), v) && window_->closed() != v)
            Expected(std::string("closed ") + (v ? "yes" : "no"), window_->closed() ? "yes" : "no");
        return;
    }
    if (what == "count") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->mainList()->model()->rowCount();
        if (std::to_string(n) != Arg(c, 2)) Expected(Arg(c, 2) + " lines", std::to_string(n));
        return;
    }
    if (what == "line") {
        if (!NeedArgs(c, 4)) return;
        const QAbstractItemModel* m = window_->mainList()->model();
        const int n = std::atoi(Arg(c, 2).c_str());
        if (n < 0 || n >= m->rowCount())
            return Expected("line " + Arg(c, 2), std::to_string(m->rowCount()) + " lines");
        return CheckText(Text(c, 3), m->data(m->index(n, 0)).toString().toStdU16String());
    }
    if (what == "selected") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->ListSelection(zl::id::kMainList);
        if (std::to_string(n) != Arg(c, 2))
            Expected("line " + Arg(c, 2) + " selected", std::to_string(n));
        return;
    }
    if (what == "topline") {
        if (!NeedArgs(c, 3)) return;
        const int n = window_->ListTopIndex(zl::id::kMainList);
        if (std::to_string(n) != Arg(c, 2))
            Expected("line " + Arg(c, 2) + " at the top", std::to_string(n));
        return;
    }
    if (!NeedArgs(c, what == "focus" ? 3 : 4)) return;
    int id = 0;
    QWidget* w = Control(Arg(c, 2), &id);
    if (!w) return;
    const std::string v = Arg(c, 3);
    bool b = false;
    if (what == "text") return CheckText(Text(c, 3), window_->Text(id));
    if (what == "tooltip") return CheckText(Text(c, 3), w->toolTip().toStdU16String());
    if (what == "item") {
        const int sel = window_->ComboSelection(id);
        return CheckText(Text(c, 3), sel < 0 ? std::u16string() : window_->ComboItem(id, sel));
    }
    if (what == "items") {
        if (std::to_string(window_->ComboCount(id)) != v)
            Expected(v + " items", std::to_string(window_->ComboCount(id)));
        return;
    }
    if (what == "visible" || what == "enabled" || what == "checked") {
        if (!YesNo(v, b)) return;
        const bool found = what == "visible"   ? window_->Visible(id)
                           : what == "enabled" ? window_->Enabled(id)
                                               : window_->Checked(id);
        if (found != b) Expected(what + " " + v, found ? "yes" : "no");
        return;
    }
    if (what == "focus") {
        const int f = window_->Focus();
        if (f != id) Expected("focus on " + Arg(c, 2), f ? std::to_string(f) : "none");
        return;
    }
    if (what == "textselection") {
        if (!NeedArgs(c, 5)) return;
        int from = 0, to = 0;
        window_->TextSelection(id, from, to);
        if (std::to_string(from) != Arg(c, 3) || std::to_string(to) != Arg(c, 4))
            Expected(Arg(c, 3) + " " + Arg(c, 4), std::to_string(from) + " " + std::to_string(to));
        return;
    }
    if (what == "picker") {
        const std::optional<zl::DateTime> p = window_->PickerValue(id);
        const std::string found = p ? ToU8(zl::FormatDate(*p)) : "none";
        if (found != v) Expected(v, found);
        return;
    }
    if (what == "ime") {
        auto it = world_.ime.find(id);
        if (v == "none") {  // no switch was ever made for the control
            if (it != world_.ime.end()) Expected("no ime switch", it->second ? "on" : "off");
            return;
        }
        if (!YesNo(v, b)) return;
        if (it == world_.ime.end()) return Expected(std::string("ime ") + v, "no switch");
        if (it->second != b) Expected(std::string("ime ") + v, it->second ? "on" : "off");
        return;
    }
    Fail("unknown expectation " + Show(what));
}

}  // namespace scenario
