#pragma once
// A spin box for the small counts of the dialogs (a column, a number of
// lines) that reads digits typed in full width as the digits they are, as
// the dialogs' other number fields do.

#include <QSpinBox>

namespace kakeibo::shell {

class NumberSpinBox : public QSpinBox {
    Q_OBJECT
public:
    NumberSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

}  // namespace kakeibo::shell
