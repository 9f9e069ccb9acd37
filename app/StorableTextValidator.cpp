#include "app/StorableTextValidator.h"

#include "app/TextRefusal.h"

namespace kakeibo::shell {

StorableTextValidator::StorableTextValidator(std::size_t maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State StorableTextValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    const TextCheck check = checkStorableText(input.toStdString(), maxBytes_);
    if (check == TextCheck::Ok) return Acceptable;
    emit refused(check, refusalMessage(check, maxBytes_));
    return Invalid;
}

}  // namespace kakeibo::shell
