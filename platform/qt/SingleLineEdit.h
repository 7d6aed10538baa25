// Makes a QLineEdit behave as a single-line edit of the platform the program was written for:
// pasted, committed or dropped text keeps only what comes before its first line break, and
// other control characters become blanks.
#pragma once

class QLineEdit;

namespace zl {

void MakeSingleLine(QLineEdit* edit);

}  // namespace zl
