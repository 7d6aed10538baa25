// zorvel-scenario FILE...: runs each script against the real main window offscreen, in a fresh
// program folder, with only the outside world scripted.
#include <QApplication>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Scenario.h"
#include "platform/qt/MainWindow.h"

using scenario::Scenario;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(zl::DialogFont());
    if (argc < 2) {
        std::cerr << "usage: zorvel-scenario FILE..." << std::endl;
        return 2;
    }
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::cout << argv[i] << ": cannot read the script" << std::endl;
            ++failed;
            continue;
        }
        std::ostringstream s;
        s << in.rdbuf();
        const scenario::Script script = scenario::ParseScript(s.str());
        if (!script.error.empty()) {
            std::cout << argv[i] << ":" << script.error << std::endl;
            ++failed;
            continue;
        }
        bool ok;
        {
            Scenario run(argv[i]);
            ok = run.Run(script);
        }
        std::cout << argv[i] << (ok ? ": passed" : ": FAILED") << std::endl;
        (ok ? passed : failed)++;
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed ? 1 : 0;
}
