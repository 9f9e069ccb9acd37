#include "app/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace kakeibo::shell {

void installJapaneseFonts() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"),
                               {QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")});

    QFont font(QString::fromUtf8(kUiFontFamily));
    font.setPixelSize(kUiFontPixelSize);
    QApplication::setFont(font);
}

}  // namespace kakeibo::shell
