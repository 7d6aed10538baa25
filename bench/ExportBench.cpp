// The three CSV exports from the button to the written files, each beside its floor: the same
// output text converted to code page 932 and written the same way. Wall time and the thread's
// processor time, each the best of eleven turns taken alternately with the floor's. A one-month
// export must still read every line up to its birthdate, which the floor (converting only the
// lines written) does not: that reading is timed beside it.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

#include "Bench.h"
#include "app/ControlTable.h"
#include "app/CzorvelDlg.h"
#include "export/BirthMonthFilter.h"
#include "platform/CodePage932.h"
#include "platform/FileSystem.h"
#include "platform/TextUtil.h"
#include "tests/unit/MemoryControls.h"

namespace bench {
namespace {

using namespace zl;
namespace fs = std::filesystem;

// The window as far as the exports read it: the birth-month selector and the list selection.
using Window = MemoryControls;

// Processor time of this thread, which waiting for a busy machine does not inflate.
double CpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <class F>
double CpuOf(F&& f) {
    const double t0 = CpuMillis();
    f();
    return CpuMillis() - t0;
}

struct Export {
    const char* name;
    void (CzorvelDlg::*command)();
    const char16_t* month;
};

bool Exports(const std::vector<std::u16string>& roster) {
    const fs::path base =
        fs::temp_directory_path() / ("zorvel_export_bench_" + std::to_string(::getpid()));
    Window window;
    RecordingBoxes boxes;
    FixedDialog dialog;
    FixedClock clock;
    Platform p;
    p.controls = &window;
    p.boxes = &boxes;
    p.saveDialog = &dialog;
    p.clock = &clock;
    CzorvelDlg dlg(p, nullptr);
    dlg.roster().Assign(roster);
    window.listSelection = 0;  // the bulk-mail export writes from the selected line on

    const Export exports[] = {
        {"birth-month CSV, 全月", &CzorvelDlg::OnBnClickedButtonCsvExport, u"全月"},
        {"birth-month CSV,  5月", &CzorvelDlg::OnBnClickedButtonCsvExport, u" 5月"},
        {"bulk-mail CSV, all   ", &CzorvelDlg::OnBnClickedButtonBulkMailCsv, u"全月"},
        {"label CSV, 全月      ", &CzorvelDlg::OnBnClickedButtonLabelCsv, u"全月"},
        {"label CSV,  5月      ", &CzorvelDlg::OnBnClickedButtonLabelCsv, u" 5月"},
    };
    bool ok = true;
    for (const Export& e : exports) {
        fs::remove_all(base);
        fs::create_directories(base / "floor");
        window.comboItem = e.month;
        dialog.path = PathText(base / "out.csv");
        (dlg.*e.command)();

        // The floor: the text of every file written, converted and written again.
        std::vector<std::pair<fs::path, std::u16string>> texts;
        std::size_t bytes = 0, lines = 0;
        for (const auto& entry : fs::directory_iterator(base)) {
            if (!entry.is_regular_file()) continue;
            const std::optional<std::string> b = ReadWholeFile(entry.path());
            if (!b) return false;
            bytes += b->size();
            lines += static_cast<std::size_t>(std::count(b->begin(), b->end(), '\n'));
            texts.emplace_back(base / "floor" / entry.path().filename(), FromCp932(*b));
        }
        // The best of several turns, taken in turn, so both see the same load of the machine.
        double exportMs = 1e300, floorMs = 1e300, exportCpu = 1e300, floorCpu = 1e300;
        auto runExport = [&] { (dlg.*e.command)(); };
        auto runFloor = [&] {
            for (const auto& [path, text] : texts)
                ok = ReplaceFileAtomically(path, ToCp932(text)) && ok;
        };
        // The least a one-month export reads: every line up to its birthdate's month.
        const std::optional<std::u16string> key = BirthMonthKey(e.month);
        std::size_t matching = 0;
        auto runRead = [&] {
            matching = 0;
            for (const std::u16string& line : roster) matching += BirthMonthMatches(line, key);
        };
        double readMs = 1e300, readCpu = 1e300;
        for (int turn = 0; turn < 11; ++turn) {
            exportMs = std::min(exportMs, Millis(runExport));
            floorMs = std::min(floorMs, Millis(runFloor));
            exportCpu = std::min(exportCpu, CpuOf(runExport));
            floorCpu = std::min(floorCpu, CpuOf(runFloor));
            if (key) {
                readMs = std::min(readMs, Millis(runRead));
                readCpu = std::min(readCpu, CpuOf(runRead));
            }
        }
        std::printf(
            "%s %7.1f ms, floor %7.1f ms: %.2f | cpu %7.1f ms, floor %7.1f ms: %.2f | "
            "%zu files, %zu lines, %.1f MB\n",
            e.name, exportMs, floorMs, exportMs / floorMs, exportCpu, floorCpu,
            exportCpu / floorCpu, texts.size(), lines, static_cast<double>(bytes) / 1e6);
        if (key)
            std::printf(
                "    reading every line's month %5.1f ms (cpu %5.1f ms, %zu lines match); "
                "export / (floor + reading): %.2f | cpu %.2f\n",
                readMs, readCpu, matching, exportMs / (floorMs + readMs),
                exportCpu / (floorCpu + readCpu));
        ok = ok && !texts.empty();
    }
    fs::remove_all(base);
    return ok;
}

const Register reg("export", Exports);

}  // namespace
}  // namespace bench
