#include "app/ControlTable.h"

namespace zl {

// The controls in template order, which is also the tab order. Positions in dialog units.
const std::vector<ControlSpec>& ControlTable() {
    static const std::vector<ControlSpec> table = {
        {1004, ControlKind::Edit, u"", 24, 60, 90, 12, 0, {}},
        {1001, ControlKind::Edit, u"", 24, 30, 138, 12, 0, {}},
        {1013, ControlKind::Edit, u"", 96, 78, 36, 12, 0, {}},
        {1005, ControlKind::Edit, u"", 24, 92, 186, 12, 0, {}},
        {1006, ControlKind::Edit, u"", 24, 120, 186, 12, 0, {}},
        {1008, ControlKind::Edit, u"", 24, 178, 78, 12, 0, {}},
        {1022, ControlKind::Button, u"追加", 306, 192, 42, 36, kNotifyFocus, {}},
        {1007, ControlKind::Edit, u"", 24, 148, 186, 12, 0, {}},
        {1025, ControlKind::Check, u"電話不要", 222, 138, 60, 10, 0, {}},
        {1026, ControlKind::Check, u"E-Mail不要", 222, 150, 60, 10, 0, {}},
        {1034, ControlKind::Check, u"チラシ不要", 222, 162, 60, 10, 0, {}},
        {1033, ControlKind::Check, u"ハガキ不要", 222, 174, 60, 10, 0, {}},
        {1012, ControlKind::DatePicker, u"", 108, 177, 78, 15, kNoDateState, {}},
        {1018, ControlKind::Edit, u"", 306, 96, 306, 12, 0, {}},
        {1019, ControlKind::Edit, u"", 306, 126, 306, 12, 0, {}},
        {1020, ControlKind::Edit, u"", 306, 156, 306, 12, 0, {}},
        {1014, ControlKind::DropDown, u"", 156, 214, 30, 54, 0, {u"○", u"△", u"不明", u"×"}},
        {1017, ControlKind::Edit, u"", 192, 214, 48, 12, kRightAligned, {}},
        {1023, ControlKind::Button, u"更新", 354, 180, 36, 24, 0, {}},
        {1027, ControlKind::Button, u"削除", 354, 210, 36, 18, 0, {}},
        {1049,
         ControlKind::DropDown,
         u"",
         393,
         22,
         30,
         30,
         0,
         {u"全月", u" 1月", u" 2月", u" 3月", u" 4月", u" 5月", u" 6月", u" 7月", u" 8月", u" 9月",
          u"10月", u"11月", u"12月", u"不明"}},
        {1041, ControlKind::Button, u"Excel Data出力", 312, 42, 60, 22, 0, {}},
        {1032, ControlKind::Button, u"CSV F出力", 378, 42, 42, 22, 0, {}},
        {1035, ControlKind::Button, u"同報メールCSVファイル出力", 486, 60, 126, 18, 0, {}},
        {1036, ControlKind::Edit, u"", 516, 186, 78, 12, 0, {}},
        {1024, ControlKind::Button, u"検索", 528, 204, 60, 18, 0, {}},
        {1009, ControlKind::Button, u"全クリア", 222, 12, 60, 18, 0, {}},
        {1037, ControlKind::Button, u"姓名クリア", 222, 36, 60, 18, 0, {}},
        {1040, ControlKind::Button, u"名クリア", 222, 60, 60, 18, 0, {}},
        {1038, ControlKind::Button, u"〒住所クリア", 222, 84, 60, 18, 0, {}},
        {1039, ControlKind::Button, u"番地クリア", 222, 102, 60, 18, 0, {}},
        {1055,
         ControlKind::DropDown,
         u"",
         462,
         186,
         36,
         30,
         0,
         {u"名前", u"なまえ", u"〒住所", u"誕生日", u"登録日", u"------", u"住所略"}},
        {1054, ControlKind::Button, u"並び替え", 462, 204, 38, 18, 0, {}},
        {1010, ControlKind::DatePicker, u"", 91, 212, 60, 15, kDisabled, {}},
        {1021, ControlKind::ListBox, u"", 24, 233, 588, 108, 0, {}},
        {1011, ControlKind::Edit, u"", 24, 214, 30, 12, kReadOnly | kRightAligned, {}},
        {1028, ControlKind::Edit, u"", 192, 178, 18, 12, kReadOnly | kRightAligned, {}},
        {1052, ControlKind::Label, u"【 期待度 本人含む票数 】", 147, 202, 102, 8, 0, {}},
        {1053, ControlKind::Label, u"【 期待総票数 】", 241, 202, 65, 8, 0, {}},
        {1050, ControlKind::Label, u"【 備考１ 】", 301, 84, 230, 8, 0, {}},
        {1051, ControlKind::Label, u"【 備考２ 】", 301, 114, 230, 8, 0, {}},
        {1045, ControlKind::Label, u"【 備考３ 】", 301, 144, 230, 8, 0, {}},
        {1015, ControlKind::Edit, u"", 58, 214, 30, 12, kReadOnly | kRightAligned, {}},
        {1042, ControlKind::Button, u"G地図", 144, 78, 30, 12, 0, {}},
        {1043, ControlKind::Label, u"0", 246, 214, 54, 12, kRightAligned | kSunken, {}},
        {1044, ControlKind::Button, u"メール", 180, 135, 30, 12, 0, {}},
        {1046, ControlKind::Button, u"コピー", 180, 107, 30, 12, 0, {}},
        {1048, ControlKind::Link, u"", 516, 12, 96, 14, 0, {}},
        {1056, ControlKind::ListBox, u"", 372, 66, 132, 30, kHidden | kSorted, {}},
        {1057, ControlKind::ProgressBar, u"", 312, 66, 150, 6, kHidden, {}},
        {1058, ControlKind::Button, u"全員にBCCメール送信", 486, 36, 126, 18, 0, {}},
        {1059, ControlKind::Button, u"名前重複", 402, 190, 42, 12, 0, {}},
        {1060, ControlKind::Button, u"住所重複", 402, 202, 42, 12, 0, {}},
        {1062, ControlKind::Check, u"LIST", 412, 181, 35, 8, 0, {}},
        {1063, ControlKind::Button, u"Z地図", 180, 78, 30, 12, 0, {}},
        {1064, ControlKind::Button, u"Rｺﾋﾟｰ", 222, 120, 30, 14, 0, {}},
        {1065, ControlKind::Button, u"Rﾍﾟｰｽﾄ", 252, 120, 30, 14, 0, {}},
        {1066, ControlKind::Button, u"Reset", 222, 186, 24, 12, 0, {}},
        {1067, ControlKind::Button, u"○1Set", 270, 186, 30, 12, 0, {}},
        {1068, ControlKind::Button, u"XLS", 249, 186, 18, 12, 0, {}},
        {1002, ControlKind::Edit, u"", 168, 30, 42, 12, 0, {}},
        {1003, ControlKind::Edit, u"", 120, 60, 42, 12, 0, {}},
        {1016, ControlKind::Edit, u"", 168, 60, 42, 12, 0, {}},
        {1073, ControlKind::Label, u"【 連名１ 】", 163, 18, 48, 8, 0, {}},
        {1074, ControlKind::Label, u"【 連名２ 】", 115, 48, 48, 8, 0, {}},
        {1069, ControlKind::Button, u"取説", 486, 12, 24, 14, 0, {}},
        {1070, ControlKind::Button, u"H P", 582, 83, 30, 12, kHidden, {}},
        {1071, ControlKind::Button, u"H P", 582, 113, 30, 12, kHidden, {}},
        {1072, ControlKind::Button, u"H P", 582, 143, 30, 12, kHidden, {}},
        {1047, ControlKind::Button, u"LabrinF出力", 426, 42, 48, 22, 0, {}},
        {1075, ControlKind::Button, u"Ｘ", 597, 187, 10, 10, 0, {}},
        {1076, ControlKind::Check, u"姓名ｸﾘｱ", 309, 180, 44, 10, 0, {}},
        {1077, ControlKind::Check, u"選挙人名簿転記入力モード", 24, 2, 112, 10, 0, {}},
        {1078, ControlKind::Button, u"連名処理", 402, 214, 42, 12, 0, {}},
        {1079, ControlKind::Label, u"【 連名３ 】", 163, 48, 48, 8, 0, {}},
        {1080, ControlKind::Button, u"★", 480, 168, 50, 14, kHidden, {}},
    };
    return table;
}

const std::vector<StaticLabelSpec>& StaticLabels() {
    static const std::vector<StaticLabelSpec> labels = {
        {u"【 名前 】", 20, 18},
        {u"【 なまえ(ふりがな) 】", 21, 48},
        {u"【 住所 】", 21, 80},
        {u"【 電話番号 】", 20, 108},
        {u"【 Eメール or ホームページ 】", 20, 136},
        {u"【 誕生日 】", 20, 166},
        {u"【 No.  / Total 】", 20, 202},
        {u"【 登録日 】", 96, 202},
        {u"〒", 83, 80},
        {u"年齢", 192, 166},
        {u"【 誕生月 】", 330, 24},
    };
    return labels;
}

const std::vector<GroupBoxSpec>& GroupBoxes() {
    static const std::vector<GroupBoxSpec> boxes = {
        {306, 6, 174, 73}, {510, 174, 102, 54}, {456, 174, 48, 54}, {396, 174, 54, 54}};
    return boxes;
}

// Tooltip texts; the sponsor link gets its own when the settings set it.
const std::vector<TooltipSpec>& Tooltips() {
    static const std::vector<TooltipSpec> tips = {
        {1001, u"姓と名の間に全角スペースを入力"},
        {1004, u"姓と名の間に全角スペースを入力"},
        {1006, u"半角数字に自動変換"},
        {1038, u"電話番号以降もクリア"},
        {1039, u"電話番号以降もクリア"},
        {1064, u"2画面間コピー用"},
        {1065, u"2画面間貼り付け用"},
        {1042, u"Google Mapsへ表示(未登録番地も有り or HP表示"},
        {1046, u"Skypeなどへの貼り付け用"},
        {1007, u"ホームページは、httpを含めて入力"},
        {1044, u"Mailer起動、To設定 or HP表示"},
        {1008, u"例：H15.08.31, 平成15年08月31日, 2003.08.31 [R令和, H平成, S昭和, T大正, M明治]"},
        {1012, u"生年月日欄入力で自動設定"},
        {1014, u"○:1.0　△:0.5　×、不明:0 で積算"},
        {1017, u"数字入力"},
        {1041, u"ExcelインストールPCで利用可能"},
        {1032, u"Excel、住所録ソフト等用データ出力"},
        {1058, u"Mailer起動、全員のメールアドレスをBcc設定"},
        {1035, u"Sendoria５用データ出力"},
        {1002, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1003, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1016, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1018, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1019, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1020, u"本欄タイトルは、初期設定ファイルzorvel.iniで変更可能"},
        {1022, u"初期設定ファイルzorvel.iniで押下後のクリア選択可能"},
        {1024, u"上欄の文字列で検索"},
        {1036, u"検索文字列を入力 ＆(半角)を挟めば2ワード検索"},
        {1021, u"No.9999まで。10000件を越える場合はNo.重複"},
        {1026, u"メールアドレス不正の場合は、強制ON"},
        {1055, u"並び替えの項目、住所簡略化を選択"},
        {1062, u"チェックで重複をリスト出力、チェック無しは順次重複行フォーカス"},
        {1059, u"隣行の重複チェックなので、事前に「名前」で並び替え必要"},
        {1060, u"隣行の重複チェックなので、事前に「〒住所」で並び替え必要"},
        {1078, u"隣行の連名チェックなので、事前に「名前」、「〒住所」の順で並び替え必要"},
        {1066, u"イベントデータ全ての期待度を「不明」へ変更"},
        {1068, u"Excelに「期待度」を出力"},
        {1067, u"「〇 1」にセット更新"},
        {1069, u"PDF取扱説明書表示"},
        {1077, u"チェックで選挙人名簿転記入力モード"},
        {1076, u"チェックで追加ボタン押下時に姓名をクリア"},
        {1013, u"\"-\"入り8桁、または\"-\"無し7桁"},
        {1005,
         u"無入力なら〒欄がコピーされるのでそのまま変換キー押下("
         u"PCの郵便番号辞書ON設定　ホームページは、httpを含めて入力　全角数字は半角数字、番地は\"-"
         u"\"へ自動変換"},
    };
    return tips;
}

const ControlSpec* FindControl(int id) {
    for (const ControlSpec& c : ControlTable())
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace zl
