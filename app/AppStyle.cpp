#include "app/AppStyle.h"

#include <QApplication>

#include "app/pages/BarIcons.h"

namespace kakeibo::shell {

AppStyle::AppStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

QIcon AppStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton) return barIcon(BarIcon::More);
    return QProxyStyle::standardIcon(which, option, widget);
}

void installAppStyle() {
    if (dynamic_cast<AppStyle*>(QApplication::style())) return;
    QApplication::setStyle(new AppStyle(QApplication::style()->name()));
}

}  // namespace kakeibo::shell
