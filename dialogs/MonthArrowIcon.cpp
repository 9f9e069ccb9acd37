#include "dialogs/MonthArrowIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace kakeibo::shell {

namespace {

QPixmap arrowPixmap(ArrowDirection direction, const QColor& colour) {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPolygon triangle;
    if (direction == ArrowDirection::Left) {
        triangle << QPoint(4, 8) << QPoint(11, 2) << QPoint(11, 14);
    } else {
        triangle << QPoint(12, 8) << QPoint(5, 2) << QPoint(5, 14);
    }
    painter.drawPolygon(triangle);
    return pixmap;
}

}  // namespace

QIcon monthArrowIcon(ArrowDirection direction) {
    QIcon icon;
    icon.addPixmap(arrowPixmap(direction, QColor(0, 0, 0)), QIcon::Normal);
    icon.addPixmap(arrowPixmap(direction, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

}  // namespace kakeibo::shell
