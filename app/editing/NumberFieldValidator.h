#pragma once
// The number fields of the dialogs (year, month, day) read digits typed
// in full width, as a Japanese input method gives them, as the digits
// they are: "２０２６" shows and counts as "2026". Anything else stays as
// typed, for the dialog to refuse with its own message.

#include <QValidator>

namespace kakeibo::shell {

class NumberFieldValidator : public QValidator {
    Q_OBJECT
public:
    explicit NumberFieldValidator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override;
};

}  // namespace kakeibo::shell
