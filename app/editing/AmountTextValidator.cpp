#include "app/editing/AmountTextValidator.h"

namespace kakeibo::shell {

QChar amountCharacter(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return c;
    if (u >= u'０' && u <= u'９') return QChar(u'0' + (u - u'０'));
    if (u == u'.' || u == u'．') return QLatin1Char('.');
    if (u == u'-' || u == u'－' || u == u'−' || u == u'ー') return QLatin1Char('-');
    return {};
}

QString keepAmountCharacters(const QString& text, int& pos) {
    QString kept;
    kept.reserve(text.size());
    int keptPos = 0;
    bool point = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = amountCharacter(text.at(i));
        const bool keep = !c.isNull() && (c != QLatin1Char('.') || !point) && (c != QLatin1Char('-') || kept.isEmpty());
        if (keep) {
            point = point || c == QLatin1Char('.');
            kept.append(c);
        }
        if (i < pos) keptPos = static_cast<int>(kept.size());
    }
    pos = pos >= text.size() ? static_cast<int>(kept.size()) : keptPos;
    return kept;
}

QValidator::State AmountTextValidator::validate(QString& input, int& pos) const {
    input = keepAmountCharacters(input, pos);
    return Acceptable;
}

}  // namespace kakeibo::shell
