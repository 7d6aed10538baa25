// Every path of the program, built from the folder of the executable.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zl {

struct Paths {
    std::filesystem::path base;  // the executable's folder
    std::filesystem::path dataFolder, backupFolder, logFolder, settingsFile, manual, dataFile;
    std::filesystem::path workbookFolder;  // the spreadsheet exports' workbooks

    static Paths FromExecutable(std::u16string_view executablePath);
};

// Backup file of a day of the month: "DataBk" + "%2d" + ".csv" in the backup folder.
std::filesystem::path BackupFile(const Paths& paths, int day);

}  // namespace zl
