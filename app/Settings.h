// The settings file "zorvel.ini": every key, read once at start-up, and the two write-backs.
#pragma once

#include <filesystem>
#include <string>

namespace zl {

struct Settings {
    bool operationLog = false;
    std::u16string title;
    bool transcriptionMode = false;
    bool transcriptionModeDisplay = false;  // false: box 1077 hidden and cleared
    bool timeStampAdd = false, timeStampRev = false;
    bool nameClear = false;
    bool onlyFirstName = false;  // false: box 1076 hidden and cleared
    bool addressRemarks3 = false;
    bool selectChangeMap = false, selectChangeUrl = false;
    bool doubleClickMap = false, doubleClickUrl = false;
    std::u16string join, joinTotal, joint1, joint2, joint3, remarks1, remarks2, remarks3;
    bool banchiRemove = false, imeControl = false, deleteDialog = false;
    bool jointAddDialog = false, branchNumber = false;
    std::u16string sponsor;
    std::u16string mailTo, mailCc, mailBcc, mailSubject, mailBody;
};

// The default web address of the sponsor link.
extern const std::u16string_view kDefaultSponsor;

Settings ReadSettings(const std::filesystem::path& file);

// Write-backs of the two check boxes: "ON" when set, else "OFF".
void WriteTranscriptionMode(const std::filesystem::path& file, bool on);
void WriteNameClear(const std::filesystem::path& file, bool on);

}  // namespace zl
