#pragma once
// The editor of an amount cell takes what the key filter would have let
// through, whichever way the text arrives: pasted, dropped or committed by
// an input method. Full-width digits, point and minus (what a Japanese
// input method gives) become their ASCII forms; any other character is
// left out, as is a second point or a minus anywhere but first. So an
// amount typed never lands in its cell as a text that reads as zero.

#include <QValidator>

namespace kakeibo::shell {

// The ASCII amount character (digit, point, minus) a character stands for,
// full-width ones included, or a null QChar.
QChar amountCharacter(QChar c);

// The amount characters of text (see above); pos, a position in text, is
// moved to the same place in the result.
QString keepAmountCharacters(const QString& text, int& pos);

class AmountTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit AmountTextValidator(QObject* parent = nullptr) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override;
};

}  // namespace kakeibo::shell
