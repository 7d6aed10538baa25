#!/usr/bin/env python3
"""Writes the link scenarios that are tables of cases: links_doubleclick.scn (a double-click
on two lines under each of the sixteen combinations of the four link settings) and
links_mail_many.scn (mail to everyone with 50 and 51 recipients). Run from this folder."""

HEADER = ("No.,名前,なまえ,〒,住所,電話番号,Eメール or ホームページ,生年月日（記入）,"
          "生年月日（西暦）,電話不要,E-Mail不要,チラシ不要,ハガキ不要,登録日,期待度,本人含む票数,"
          "備考１,備考２,備考３,連名１,連名２,連名３")

G = "https://www.google.com/maps/search/"
Z = "https://www.its-mo.com/map/#freeword,,"


def line(no, name, address="", phone="", mail="", no_mail="OFF"):
    return (f"No.{no:04d},{name},,,{address},{phone},{mail},,    /  /  ,OFF,{no_mail},OFF,OFF,"
            f"2024/04/01 10:00:00,不明,1,,,,,,")


def data(lines):
    return "file data/Data.csv\n" + HEADER + "\n" + "\n".join(lines) + "\nend\n"


def doubleclick():
    # Line 0: an address, a phone link and a home page; line 1: an address that is a link, a
    # plain phone number and a mail address.
    lines = [line(1, "山田", "東京都港区 芝公園 4-2", "http://tel.example.jp/1",
                  "http://example.jp/yamada"),
             line(2, "鈴木", "https://example.jp/map", "03-1111-2222", "suzuki@example.jp")]
    s = ("# A double-click on a line under each combination of the four link settings: the\n"
         "# selection (its first click) opens what the \"SelectChange\" settings ask for, the\n"
         "# double-click what the \"DoubleClick\" settings ask for and the selection did not\n"
         "# open; the mailer is never started. Written by links_generate.py.\n")
    s += "clock 2024/04/02 09:00:00\n" + data(lines) + "start\n"
    for bits in range(16):
        dcm, scm, dcu, scu = (bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8))
        onoff = lambda b: "ON" if b else "OFF"
        s += (f"\n# DoubleClickMap={onoff(dcm)} SelectChangeMap={onoff(scm)} "
              f"DoubleClickUrl={onoff(dcu)} SelectChangeUrl={onoff(scu)}\n")
        s += ("file zorvel.ini\n[Link]\n"
              f"DoubleClickMap={onoff(dcm)}\nSelectChangeMap={onoff(scm)}\n"
              f"DoubleClickUrl={onoff(dcu)}\nSelectChangeUrl={onoff(scu)}\nend\nrestart\n")
        # Line 0.
        want = []
        if scm:
            want.append(G + "東京都港区 芝公園 4-2")
        if scu:
            want.append("http://example.jp/yamada")
        if dcm and not scm:
            want += [G + "東京都港区 芝公園 4-2", Z + "東京都港区 芝公園 4-2",
                     "http://tel.example.jp/1"]
        if dcu and not scu:
            want.append("http://example.jp/yamada")
        s += "dblclick 0\nexpect text 1001 \"山田\"\n"
        s += "".join(f'expect shell "{t}"\n' for t in want) + "expect noshell\n"
        # Line 1: the address is a link, so no map search on the double-click; the mail
        # address is never opened.
        want = []
        if scm:
            want.append(G + "https://example.jp/map")
        if dcm and not scm:
            want.append("https://example.jp/map")
        s += "dblclick 1\nexpect text 1001 \"鈴木\"\n"
        s += "".join(f'expect shell "{t}"\n' for t in want) + "expect noshell\n"
        s += "expect nobox\n"
    return s


def mail_many():
    s = ("# Mail to everyone with 50 and with 51 recipients: one mail, then two mails of 50 and 1\n"
         "# with a pause of 500 ms between them; a long roster with nobody left out gets no note\n"
         "# about the split. Written by links_generate.py.\n")
    s += "clock 2024/04/02 09:00:00\nfile zorvel.ini\n[Log]\nOperationLog=ON\nend\n"
    fifty = [line(i, f"会員{i}", mail=f"m{i}@example.jp") for i in range(1, 51)]
    s += data(fifty) + "start\nanswer OK\nclick 1058\n"
    s += ('expect box "全50名にBCCメール送信します。\\n(リストアドレスのBCC設定の他に、初期設定'
          'ファイルzorvel.iniで記述のTO、CC、BCC、件名、本文が反映されます。)" information okcancel\n')
    bcc = ",".join(f"会員{i}　様<m{i}@example.jp>" for i in range(1, 51))
    s += f'expect shell "mailto:?subject=&bcc={bcc}"\nexpect noshell\n'
    s += "expect filelines log/Oplog_02.txt 4\n"
    # One more entry makes 51: the same text form, two mails.
    s += "\n# 51 recipients.\n"
    s += data(fifty + [line(51, "会員51", mail="m51@example.jp")]) + "restart\n"
    s += "answer OK\nclick 1058\n"
    s += ('expect box "全51名にBCCメール送信します。\\n(リストアドレスのBCC設定の他に、初期設定'
          'ファイルzorvel.iniで記述のTO、CC、BCC、件名、本文が反映されます。)" information okcancel\n')
    s += f'expect shell "mailto:?subject=&bcc={bcc}"\nexpect wait 500\n'
    s += 'expect shell "mailto:?subject=&bcc=会員51　様<m51@example.jp>"\nexpect noshell\n'
    s += ('expect fileline log/Oplog_02.txt 10 "2024/04/02 09:00:00 ShellExecute ret = 42 '
          'mailto:?subject=&bcc=会員51　様<m51@example.jp>"\n')
    # With one entry left out, the text names the split into two mails. The first mail is
    # refused: that is only logged, and the second is still opened.
    s += ("\n# 51 recipients and one entry without an address; the first mail cannot be "
          "opened.\n")
    s += data(fifty + [line(51, "会員51", mail="m51@example.jp"), line(52, "空欄")])
    s += "restart\nshell fail\nanswer OK\nclick 1058\n"
    s += ('expect box "未入力・無効・重複(2件目以降)アドレス1名を除き、残り全51名にBCCメール送信し'
          'ます。\\n1通のメールで可能な同報数の上限を超える可能性がありますので、それぞれ50アドレス'
          '以下の2通に分割して送信します。\\n(リストアドレスのBCC設定の他に、初期設定ファイル'
          'zorvel.iniで記述のTO、CC、BCC、件名、本文が反映されます。)" information okcancel\n')
    s += "expect shell \"mailto:*\"\nexpect wait 500\nexpect shell \"mailto:*会員51*\"\n"
    s += "expect noshell\nexpect nobox\n"
    s += ('expect fileline log/Oplog_02.txt 15 "2024/04/02 09:00:00 ShellExecute ret = 2 '
          f'mailto:?subject=&bcc={bcc}"\n')
    s += ('expect fileline log/Oplog_02.txt 16 "2024/04/02 09:00:00 ShellExecute ret = 42 '
          'mailto:?subject=&bcc=会員51　様<m51@example.jp>"\n')
    return s


if __name__ == "__main__":
    with open("links_doubleclick.scn", "w", encoding="utf-8") as f:
        f.write(doubleclick())
    with open("links_mail_many.scn", "w", encoding="utf-8") as f:
        f.write(mail_many())
