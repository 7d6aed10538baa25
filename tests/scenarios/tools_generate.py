#!/usr/bin/env python3
"""Writes the two list-tool scenarios whose fixtures are too long to type:
tools_sort_wrap.scn (10,001 entries, numbers wrap after 9999) and tools_dup_list35.scn
(35 neighbouring duplicate pairs in list mode). Run from this folder."""

HEADER = ("No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,"
          "生年月日（西暦）,電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,本人含む票数,"
          "備考１,備考２,備考３,連名１,連名２,連名３")


def line(no, name, address="中央1-1"):
    return (f"No.{no % 10000:04d},{name},,100-0001,{address},,,,    /  /  ,OFF,OFF,OFF,OFF,"
            f"2024/04/01 10:00:00,不明,1,,,,,,")


def data(lines):
    return "file data/Data.csv\n" + HEADER + "\n" + "\n".join(lines) + "\nend\n"


def sort_wrap():
    # Every entry has the same name, so the old numbers keep the order; they start at 5 and
    # wrap themselves, as a roster that grew past 9999 by Add would.
    lines = [f"No.{(i + 5) % 10000:04d},同　名,,100-0001,中央1-1" for i in range(10001)]
    s = "# Sorting 10,001 entries numbers them No.0001 to No.9999, then No.0000, No.0001.\n"
    s += "clock 2024/05/01 09:00:00\n" + data(lines) + "start\nexpect count 10001\n"
    s += "choose 1055 0\nanswer OK\nclick 1054\n"
    s += ('expect box "『名前』順でリストボックスを並び替えます。\\n No.もリナンバーされます。" '
          "information okcancel\n")
    s += "expect count 10001\n"
    for i in (0, 1, 9998, 9999, 10000):
        s += f'expect line {i} "No.{(i + 1) % 10000:04d}{lines[i][7:]}"\n'
    s += "expect filelines data/Data.csv 10002\n"
    for i in (0, 9998, 9999, 10000):
        s += f'expect fileline data/Data.csv {i + 2} "No.{(i + 1) % 10000:04d}{lines[i][7:]}"\n'
    return s


def list35():
    lines = [line(i + 1, "山田　太郎") for i in range(36)] + [line(37, "佐藤　一")]
    report = "".join(f"No.{i:04d} = No.{i + 1:04d} 山田　太郎\\n" for i in range(1, 31))
    report += "　　|\\n　　|\\nNo.0035 = No.0036 山田　太郎\\n--------------\\n重複 35 件"
    s = "# 名前重複 in list mode with 35 pairs: pairs 1 to 30, the two \"|\" lines, pair 35.\n"
    s += "clock 2024/05/01 09:00:00\n" + data(lines) + "start\n"
    s += "click 1062\nexpect checked 1062 yes\nclick 1059\n"
    s += 'expect box "隣行の重複チェックなので、事前に「名前」で並び替えが必要です。" exclamation ok\n'
    s += f'expect box "{report}" exclamation ok\n'
    s += "expect selected 34\nexpect text 1011 \"0035\"\n"
    # 住所重複 over the same lines: 36 pairs, the reminder is not shown again.
    areport = "".join(f"No.{i:04d} = No.{i + 1:04d} 中央1-1\\n" for i in range(1, 31))
    areport += "　　|\\n　　|\\nNo.0036 = No.0037 中央1-1\\n--------------\\n重複 36 件"
    s += "select 36\nclick 1060\n"
    s += f'expect box "{areport}" exclamation ok\nexpect selected 35\n'
    return s


if __name__ == "__main__":
    with open("tools_sort_wrap.scn", "w", encoding="utf-8") as f:
        f.write(sort_wrap())
    with open("tools_dup_list35.scn", "w", encoding="utf-8") as f:
        f.write(list35())
