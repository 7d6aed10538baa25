#include "app/Settings.h"

#include "app/ProfileFile.h"

namespace zl {

const std::u16string_view kDefaultSponsor = u"https://www.soumu.go.jp/";

namespace {

class Reader {
public:
    explicit Reader(const std::filesystem::path& file) : file_(file) {}

    std::u16string Text(std::u16string_view section, std::u16string_view key,
                        std::u16string_view fallback) const {
        return GetProfileString(file_, section, key, fallback);
    }
    // On only for exactly "ON".
    bool OnSwitch(std::u16string_view section, std::u16string_view key,
                  std::u16string_view fallback) const {
        return Text(section, key, fallback) == u"ON";
    }
    // Off only for exactly "OFF".
    bool OffSwitch(std::u16string_view section, std::u16string_view key,
                   std::u16string_view fallback) const {
        return Text(section, key, fallback) != u"OFF";
    }

private:
    const std::filesystem::path& file_;
};

}  // namespace

Settings ReadSettings(const std::filesystem::path& file) {
    const Reader r(file);
    Settings s;
    s.operationLog = r.OnSwitch(u"Log", u"OperationLog", u"OFF");
    s.title = r.Text(u"Window", u"Title", u"Zorvel List");
    s.transcriptionMode = r.OnSwitch(u"Window", u"TranscriptionMode", u"OFF");
    s.transcriptionModeDisplay = r.OffSwitch(u"Window", u"TranscriptionModeDispaly", u"OFF");
    s.timeStampAdd = r.OnSwitch(u"Window", u"TimeStampAdd", u"OFF");
    s.timeStampRev = r.OnSwitch(u"Window", u"TimeStampRev", u"OFF");
    s.nameClear = r.OnSwitch(u"Clear", u"NameClear", u"OFF");
    s.onlyFirstName = r.OffSwitch(u"Clear", u"OnlyFirstName", u"OFF");
    s.addressRemarks3 = r.OnSwitch(u"Clear", u"AddressRemarks3", u"ON");
    s.selectChangeMap = r.OnSwitch(u"Link", u"SelectChangeMap", u"OFF");
    s.selectChangeUrl = r.OnSwitch(u"Link", u"SelectChangeUrl", u"OFF");
    s.doubleClickMap = r.OnSwitch(u"Link", u"DoubleClickMap", u"OFF");
    s.doubleClickUrl = r.OnSwitch(u"Link", u"DoubleClickUrl", u"OFF");
    s.join = r.Text(u"Window", u"Join", u"本人含む人数");
    s.joinTotal = r.Text(u"Window", u"JoinTotal", u"期待参加者");
    s.joint1 = r.Text(u"Window", u"Joint1", u"連名１");
    s.joint2 = r.Text(u"Window", u"Joint2", u"連名２");
    s.joint3 = r.Text(u"Window", u"Joint3", u"連名３");
    s.remarks1 = r.Text(u"Window", u"Remarks1", u"備考１");
    s.remarks2 = r.Text(u"Window", u"Remarks2", u"備考２");
    s.remarks3 = r.Text(u"Window", u"Remarks3", u"備考３");
    s.banchiRemove = r.OnSwitch(u"Window", u"BanchiRemove", u"OFF");
    s.imeControl = r.OnSwitch(u"Window", u"ImeControl", u"ON");
    s.deleteDialog = r.OnSwitch(u"Window", u"DeleteDialog", u"ON");
    s.jointAddDialog = r.OnSwitch(u"Window", u"JointAddDialog", u"ON");
    s.branchNumber = r.OnSwitch(u"Window", u"BranchNumber", u"ON");
    s.sponsor = r.Text(u"Window", u"Sponsor", kDefaultSponsor);
    s.mailTo = r.Text(u"Mail", u"To", u"");
    s.mailCc = r.Text(u"Mail", u"Cc", u"");
    s.mailBcc = r.Text(u"Mail", u"Bcc", u"");
    s.mailSubject = r.Text(u"Mail", u"Subject", u"");
    s.mailBody = r.Text(u"Mail", u"Body", u"");
    return s;
}

void WriteTranscriptionMode(const std::filesystem::path& file, bool on) {
    WriteProfileString(file, u"Window", u"TranscriptionMode", on ? u"ON" : u"OFF");
}

void WriteNameClear(const std::filesystem::path& file, bool on) {
    WriteProfileString(file, u"Clear", u"NameClear", on ? u"ON" : u"OFF");
}

}  // namespace zl
