#include "dialogs/QtPrintCanvas.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

namespace kakeibo::shell {

QtPrintCanvas::QtPrintCanvas(QPrinter& printer) : printer_(printer) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (painter_.isActive()) painter_.end();
}

void QtPrintCanvas::setLandscape(bool landscape) {
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrintCanvas::beginJob() {
    failure_.clear();
    if (!painter_.begin(&printer_)) {
        failure_ = printer_.outputFormat() == QPrinter::PdfFormat
                       ? QStringLiteral("PDF ファイルを作成できません：") + printer_.outputFileName()
                       : QStringLiteral("プリンタ「%1」で印刷を開始できません").arg(printer_.printerName());
        return false;
    }
    setPen(1);
    return true;
}

bool QtPrintCanvas::endJob() {
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error) {
        failure_ = QStringLiteral("印刷に失敗しました");
        return false;
    }
    return true;
}

// The printable area: the layouts' coordinates start at its top-left corner.
int QtPrintCanvas::pageWidth() { return printer_.width(); }

int QtPrintCanvas::pageHeight() { return printer_.height(); }

void QtPrintCanvas::setFont(const std::string& family, int pointSize, bool bold) {
    font_ = QFont(QString::fromStdString(family));
    font_.setPointSize(pointSize);
    font_.setBold(bold);
    if (painter_.isActive()) painter_.setFont(font_);
}

int QtPrintCanvas::textWidth(const std::string& text) {
    return QFontMetrics(font_, &printer_).horizontalAdvance(QString::fromStdString(text));
}

int QtPrintCanvas::textHeight(const std::string&) { return QFontMetrics(font_, &printer_).height(); }

void QtPrintCanvas::drawText(int x, int y, const std::string& text) {
    painter_.setFont(font_);
    painter_.drawText(x, y + QFontMetrics(font_, &printer_).ascent(), QString::fromStdString(text));
}

void QtPrintCanvas::setPen(int width) {
    QPen pen(Qt::black);
    pen.setWidth(width);
    painter_.setPen(pen);
}

void QtPrintCanvas::drawLine(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

void QtPrintCanvas::drawRect(int x1, int y1, int x2, int y2) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

}  // namespace kakeibo::shell
