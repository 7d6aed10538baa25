#include "roster/Paths.h"

#include <cstdio>

#include "platform/FileSystem.h"

namespace zl {

Paths Paths::FromExecutable(std::u16string_view executablePath) {
    Paths p;
    p.base = PathFromText(executablePath).parent_path();
    if (p.base.empty()) p.base = ".";
    p.dataFolder = p.base / "data";
    p.backupFolder = p.dataFolder / "backup";
    p.logFolder = p.base / "log";
    p.settingsFile = p.base / "zorvel.ini";
    p.manual = p.base / "manual.pdf";
    p.workbookFolder = p.base / "workbooks";
    p.dataFile = p.dataFolder / "Data.csv";
    return p;
}

std::filesystem::path BackupFile(const Paths& paths, int day) {
    char name[32];
    std::snprintf(name, sizeof name, "DataBk%2d.csv", day);
    return paths.backupFolder / name;
}

}  // namespace zl
