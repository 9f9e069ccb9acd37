#include "app/editing/NumberFieldValidator.h"

#include "app/editing/AmountTextValidator.h"

namespace kakeibo::shell {

QValidator::State NumberFieldValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);  // one character for one: the caret stays where it is
    for (QChar& c : input) {
        const QChar ascii = amountCharacter(c);
        if (!ascii.isNull()) c = ascii;
    }
    return Acceptable;
}

}  // namespace kakeibo::shell
