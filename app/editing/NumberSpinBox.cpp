#include "app/editing/NumberSpinBox.h"

#include "app/editing/NumberFieldValidator.h"

namespace kakeibo::shell {

namespace {

QString asciiDigits(QString text) {
    int pos = 0;
    NumberFieldValidator().validate(text, pos);
    return text;
}

}  // namespace

NumberSpinBox::NumberSpinBox(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setAccelerated(true);
}

QValidator::State NumberSpinBox::validate(QString& input, int& pos) const {
    input = asciiDigits(input);
    return QSpinBox::validate(input, pos);
}

int NumberSpinBox::valueFromText(const QString& text) const { return QSpinBox::valueFromText(asciiDigits(text)); }

}  // namespace kakeibo::shell
