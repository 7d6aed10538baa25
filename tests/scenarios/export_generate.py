#!/usr/bin/env python3
"""Writes the export scenario whose fixture is too long to type: export_label_split.scn
(3,002 entries; 3,000 and 3,001 of them exported to label files). Run from this folder."""

HEADER = ("No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,"
          "生年月日（西暦）,電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,本人含む票数,"
          "備考１,備考２,備考３,連名１,連名２,連名３")
COUNT = 3002
FLYER = 10      # the entry marked チラシ不要
BORN = 1500     # the one entry with a birthdate


def line(n):
    birth = "1975/05/05" if n == BORN else "    /  /  "
    flyer = "ON" if n == FLYER else "OFF"
    return (f"No.{n:04d},名{n},,100-0001,中央1-1,,,,{birth},OFF,OFF,{flyer},OFF,"
            f"2024/04/01 10:00:00,不明,1,,,,,,")


def record(n):
    return f"名{n},100-0001,中央1-1,,,[ No.{n:04d} ],,名{n},　様,,,,,,,,"


def question(dropped, valid, month, split):
    q = (f"チラシ不要かハガキ不要で間引かれるのは、{dropped}件です。"
         f"有効データは、{valid:,}件です。")
    if split:
        q += "Labrinのデータ容量3,000件を超えていますので、分割して"
    q += (f"\\r誕生月『{month}』のLabrin用CSVファイル出力を行います。"
          "\\r\\rNo.は会社機関等同２行目欄に入りますので、その欄はLabrinで小さな文字サイズに設定ください。")
    return f'expect box "{q}" information okcancel\n'


def main():
    s = ("# Label CSV split at 3,000 records: 3,001 exported entries go into two numbered files\n"
         "# named after the line that completed each; 3,000 go into the chosen file. A numbered\n"
         "# file that cannot be written stops the export and names the files written before it.\n"
         "# Written by export_generate.py.\n")
    s += "clock 2024/05/01 09:00:00\nfile data/Data.csv\n" + HEADER + "\n"
    s += "\n".join(line(n) for n in range(1, COUNT + 1)) + "\nend\nstart\n"
    s += f"expect count {COUNT}\n"

    s += "\n# 全月: 3,001 records; the 3,000th is on line 3,001.\n"
    s += "choose 1049 0\nanswer OK\nsavefile split.csv\nclick 1047\n"
    s += question(1, 3001, "全月", True)
    s += 'expect savedialog "Labrin誕生月『全月』" csv\n'
    s += 'expect box "Labrin用CSVファイル出力を行ないました。" exclamation ok\n'
    s += "expect visible 1057 no\n"
    s += f"expect progress 0 {COUNT - 1} {COUNT - 1}\n"
    s += "expect nofile split.csv\n"
    s += "expect filelines split-3001.csv 3000\n"
    s += f'expect fileline split-3001.csv 1 "{record(1)}"\n'
    s += f'expect fileline split-3001.csv 9 "{record(9)}"\n'
    s += f'expect fileline split-3001.csv 10 "{record(11)}"\n'
    s += f'expect fileline split-3001.csv 3000 "{record(3001)}"\n'
    s += "expect file split-3002.csv\n" + record(3002) + "\nend\n"

    s += "\n# 不明: 3,000 records, one file at the chosen name.\n"
    s += "choose 1049 13\nanswer OK\nsavefile one.csv\nclick 1047\n"
    s += question(2, 3000, "不明", False)
    s += 'expect box "Labrin用CSVファイル出力を行ないました。" exclamation ok\n'
    s += "expect filelines one.csv 3000\n"
    s += f'expect fileline one.csv 1498 "{record(1499)}"\n'
    s += f'expect fileline one.csv 1499 "{record(1501)}"\n'
    s += f'expect fileline one.csv 3000 "{record(3002)}"\n'
    s += "expect nofile one-3001.csv\nexpect nofile one-3002.csv\n"

    s += "\n# The second numbered file cannot be written: the first one stays and is named.\n"
    s += "blockfile fail-3002.csv\nchoose 1049 0\nanswer OK\nsavefile fail.csv\nclick 1047\n"
    s += question(1, 3001, "全月", True)
    s += ('expect box "CSVファイル『${BASE}fail-3002.csv』を書き込めませんでした。\\n'
          'CSVファイル出力を中止しました。\\nそれまでに書き込んだファイル:\\n${BASE}fail-3001.csv" '
          "exclamation ok\n")
    s += "expect visible 1057 no\nexpect filelines fail-3001.csv 3000\nexpect folder fail-3002.csv\n"

    s += "\n# The first one cannot be written: none was.\n"
    s += "blockfile first-3001.csv\nanswer OK\nsavefile first.csv\nclick 1047\n"
    s += question(1, 3001, "全月", True)
    s += ('expect box "CSVファイル『${BASE}first-3001.csv』を書き込めませんでした。\\n'
          'CSVファイル出力を中止しました。\\n書き込んだファイルはありません。" exclamation ok\n')
    s += "expect nofile first-3002.csv\nexpect visible 1057 no\n"
    s += f"expect count {COUNT}\n"

    with open("export_label_split.scn", "w", encoding="utf-8") as f:
        f.write(s)


if __name__ == "__main__":
    main()
