// The main window's controls: ids, kinds, template captions, positions (dialog units), flags.
#pragma once

#include <string_view>
#include <vector>

namespace zl {

enum class ControlKind {
    Edit,
    Button,
    Check,
    DropDown,
    DatePicker,
    ListBox,
    ProgressBar,
    Label,
    Link
};

enum ControlFlag : unsigned {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kReadOnly = 1u << 2,
    kRightAligned = 1u << 3,
    kSorted = 1u << 4,
    kNoDateState = 1u << 5,  // date picker that can show "no date"
    kSunken = 1u << 6,       // label with a sunken edge
    kNotifyFocus = 1u << 7,  // button that reports focus changes
};

struct ControlSpec {
    int id;
    ControlKind kind;
    std::u16string_view caption;
    int x, y, width, height;
    unsigned flags;
    std::vector<std::u16string_view> items;  // drop-down lists
};

struct StaticLabelSpec {
    std::u16string_view caption;
    int x, y;
};

struct GroupBoxSpec {
    int x, y, width, height;
};

struct TooltipSpec {
    int id;
    std::u16string_view text;
};

// Size of the main window's client area in dialog units.
inline constexpr int kDialogWidth = 636;
inline constexpr int kDialogHeight = 350;

const std::vector<ControlSpec>& ControlTable();
const std::vector<StaticLabelSpec>& StaticLabels();
const std::vector<GroupBoxSpec>& GroupBoxes();
const std::vector<TooltipSpec>& Tooltips();
const ControlSpec* FindControl(int id);

// The ids, named after what the controls hold or do.
namespace id {
inline constexpr int kKana = 1004, kName = 1001, kPostalCode = 1013, kAddress = 1005, kPhone = 1006,
                     kBirthText = 1008, kAdd = 1022, kMailOrUrl = 1007, kNoPhone = 1025,
                     kNoMail = 1026, kNoFlyer = 1034, kNoPostcard = 1033, kBirthDate = 1012,
                     kRemark1 = 1018, kRemark2 = 1019, kRemark3 = 1020, kExpectation = 1014,
                     kVotes = 1017, kUpdate = 1023, kDelete = 1027, kBirthMonth = 1049,
                     kExcelExport = 1041, kCsvExport = 1032, kBulkMailCsv = 1035,
                     kSearchText = 1036, kSearch = 1024, kClearAll = 1009, kClearName = 1037,
                     kClearGivenName = 1040, kClearAddress = 1038, kClearHouseNumber = 1039,
                     kSortKey = 1055, kSort = 1054, kRegistered = 1010, kMainList = 1021,
                     kNo = 1011, kAge = 1028, kJoinLabel = 1052, kJoinTotalLabel = 1053,
                     kRemark1Label = 1050, kRemark2Label = 1051, kRemark3Label = 1045,
                     kTotal = 1015, kMap1 = 1042, kTally = 1043, kMail = 1044, kPhoneCopy = 1046,
                     kSponsor = 1048, kWorkList = 1056, kProgress = 1057, kMailEveryone = 1058,
                     kNameDuplicates = 1059, kAddressDuplicates = 1060, kDuplicateList = 1062,
                     kMap2 = 1063, kCopyRecord = 1064, kPasteRecord = 1065, kReset = 1066,
                     kSetCircleOne = 1067, kExpectationXls = 1068, kJoint1 = 1002, kJoint2 = 1003,
                     kJoint3 = 1016, kJoint1Label = 1073, kJoint2Label = 1074, kManual = 1069,
                     kRemark1Link = 1070, kRemark2Link = 1071, kRemark3Link = 1072,
                     kLabelCsv = 1047, kSearchClear = 1075, kNameClearBox = 1076,
                     kTranscriptionBox = 1077, kJointMerge = 1078, kJoint3Label = 1079,
                     kStar = 1080;
}  // namespace id

// The system-menu command that opens the about box.
inline constexpr int kAboutCommand = 16;

}  // namespace zl
