#include "platform/qt/SingleLineEdit.h"

#include <QLineEdit>
#include <QValidator>

#include "editing/SingleLine.h"

namespace zl {

namespace {

// Every change of the edit's text passes the validator with the caret after the inserted
// text; the text it gives back is what the edit keeps.
class SingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        std::u16string text = input.toStdU16String();
        const std::u16string before = text;
        KeepSingleLine(text, pos);
        if (text != before) input = QString::fromStdU16String(text);
        return Acceptable;
    }
};

}  // namespace

void MakeSingleLine(QLineEdit* edit) { edit->setValidator(new SingleLineValidator(edit)); }

}  // namespace zl
