#include "dialogs/QtPrintCanvas.h"

#include <QFontMetrics>
#include <QPen>


namespace kakeibo::shell {

QtPrintCanvas::QtPrintCanvas(PrintedPage& page) : page_(page) {}

void QtPrintCanvas::setLandscape(bool landscape) { page_.setLandscape(landscape); }

bool QtPrintCanvas::beginJob() {
    if (!page_.begin()) return false;
    setPen(1);
    return true;
}

bool QtPrintCanvas::endJob() { return page_.end(); }

int QtPrintCanvas::pageWidth() { return page_.size().width(); }

int QtPrintCanvas::pageHeight() { return page_.size().height(); }

void QtPrintCanvas::setFont(const std::string& family, int pointSize, bool bold) {
    font_ = PrintedPage::font(QString::fromStdString(family), pointSize, bold);
}

int QtPrintCanvas::textWidth(const std::string& text) {
    return QFontMetrics(font_.face).horizontalAdvance(QString::fromStdString(text));
}

int QtPrintCanvas::textHeight(const std::string&) { return QFontMetrics(font_.face).height(); }

void QtPrintCanvas::drawText(int x, int y, const std::string& text) {
    const QPointF baseline(x, y + QFontMetrics(font_.face).ascent());
    PrintedPage::drawText(page_.painter(), baseline, font_, QString::fromStdString(text));
}

void QtPrintCanvas::setPen(int width) {
    QPen pen(Qt::black);
    pen.setWidth(width);
    page_.painter().setPen(pen);
}

void QtPrintCanvas::drawLine(int x1, int y1, int x2, int y2) { page_.painter().drawLine(x1, y1, x2, y2); }

void QtPrintCanvas::drawRect(int x1, int y1, int x2, int y2) {
    QPainter& painter = page_.painter();
    painter.setBrush(Qt::NoBrush);
    // Through both corners: an integer QRect would put the right and bottom
    // lines one dot further out, where the monthly frame (drawn to the
    // printable area's last dot) loses half its width to the edge.
    painter.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

}  // namespace kakeibo::shell
