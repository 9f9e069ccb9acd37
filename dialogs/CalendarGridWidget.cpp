#include "dialogs/CalendarGridWidget.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

namespace kakeibo::shell {

namespace {
constexpr int kColumnPitch = CalendarGridWidget::kColumnWidth + CalendarGridWidget::kLineWidth;
constexpr int kRowPitch = CalendarGridWidget::kRowHeight + CalendarGridWidget::kLineWidth;
}  // namespace

CalendarGridWidget::CalendarGridWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GridCalender"));
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CalendarGridWidget::sizeHint() const {
    // One line before the first cell and after every cell.
    return {kLineWidth + kCalendarColumns * kColumnPitch, kLineWidth + kCalendarRows * kRowPitch};
}

QRect CalendarGridWidget::cellRect(int column, int row) const {
    return {kLineWidth + column * kColumnPitch, kLineWidth + row * kRowPitch, kColumnWidth, kRowHeight};
}

bool CalendarGridWidget::cellAt(const QPoint& point, int& column, int& row) const {
    if (!rect().contains(point)) return false;
    // A point on a line between cells counts for the cell before the line.
    column = std::clamp((point.x() - kLineWidth) / kColumnPitch, 0, kCalendarColumns - 1);
    row = std::clamp((point.y() - kLineWidth) / kRowPitch, 0, kCalendarRows - 1);
    return true;
}

void CalendarGridWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    for (int row = 0; row < kCalendarRows; ++row) {
        for (int column = 0; column < kCalendarColumns; ++column) {
            drawCell(painter, column, row);
        }
    }
}

void CalendarGridWidget::drawCell(QPainter& painter, int column, int row) const {
    const QRect cell = cellRect(column, row);
    painter.fillRect(cell, palette().color(QPalette::Button));
    // Qt's outline of a w x h rectangle covers w + 1 x h + 1 pixels: the
    // black one reaches onto the line right of and below the cell.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(cell.x(), cell.y(), cell.width(), cell.height());
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(cell.x(), cell.y(), cell.width() - 1, cell.height() - 1);
    painter.setPen(Qt::white);
    painter.drawLine(cell.left(), cell.top(), cell.right() - 1, cell.top());
    painter.drawLine(cell.left(), cell.top(), cell.left(), cell.bottom() - 1);

    const QString text = QString::fromStdString(texts_[row][column]);
    if (text.isEmpty()) return;
    const QFontMetrics metrics(font());
    // Offsets truncated, as whole pixels.
    const int x = cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = cell.top() + (cell.height() - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(x, y, text);
}

void CalendarGridWidget::mousePressEvent(QMouseEvent* event) {
    int column = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), column, row)) {
        emit cellPressed(column, row);
    }
}

}  // namespace kakeibo::shell
