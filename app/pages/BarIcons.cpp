#include "app/pages/BarIcons.h"

#include <algorithm>

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPolygonF>

namespace kakeibo::shell {

namespace {

// Every picture is laid out on a grid of 16 × 16 units, scaled to the
// square it is drawn into.
constexpr qreal kGrid = 16;

QPolygonF triangle(qreal baseX, qreal tipX) {
    return QPolygonF({QPointF(baseX, 3), QPointF(baseX, 13), QPointF(tipX, 8)});
}

void drawDiscard(QPainter& painter, const QColor& colour) {
    QPen pen(colour, 1.2);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Handle, lid, then the bin narrowing to its foot, with three ribs.
    painter.drawRect(QRectF(6.5, 1.8, 3, 1.6));
    painter.drawLine(QPointF(2.8, 3.8), QPointF(13.2, 3.8));
    painter.drawPolygon(QPolygonF({QPointF(4, 5.6), QPointF(12, 5.6), QPointF(11.2, 14.2), QPointF(4.8, 14.2)}));
    for (qreal x : {6.3, 8.0, 9.7}) painter.drawLine(QPointF(x, 7.4), QPointF(x, 12.4));
}

// Two chevrons pointing on, as "»".
void drawMore(QPainter& painter, const QColor& colour) {
    QPen pen(colour, 1.6);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (qreal x : {3.5, 8.5}) painter.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12)}));
}

void drawPicture(QPainter& painter, BarIcon kind, const QColor& colour) {
    if (kind == BarIcon::Discard) return drawDiscard(painter, colour);
    if (kind == BarIcon::More) return drawMore(painter, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (kind) {
        case BarIcon::First:
            painter.drawRect(QRectF(3, 3, 2, 10));
            painter.drawPolygon(triangle(13, 6));
            break;
        case BarIcon::Previous:
            painter.drawPolygon(triangle(11.5, 4.5));
            break;
        case BarIcon::Next:
            painter.drawPolygon(triangle(4.5, 11.5));
            break;
        case BarIcon::Last:
            painter.drawPolygon(triangle(3, 10));
            painter.drawRect(QRectF(11, 3, 2, 10));
            break;
        case BarIcon::Discard:
        case BarIcon::More:
            break;  // drawn above, in outline
    }
}

class BarIconEngine : public QIconEngine {
public:
    explicit BarIconEngine(BarIcon kind) : kind_(kind) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        // Read when drawn, so a palette changed later is followed.
        const QPalette palette = QGuiApplication::palette();
        const QColor colour = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                            QPalette::ButtonText);
        const qreal side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / kGrid, side / kGrid);
        drawPicture(*painter, kind_, colour);
        painter->restore();
    }

    // The size is in the screen's pixels: the icon gives the pixmap its
    // density afterwards.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new BarIconEngine(kind_); }
    QString key() const override { return QStringLiteral("kakeibo-bar-icon"); }

private:
    BarIcon kind_;
};

}  // namespace

QIcon barIcon(BarIcon kind) { return QIcon(new BarIconEngine(kind)); }

}  // namespace kakeibo::shell
