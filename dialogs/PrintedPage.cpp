#include "dialogs/PrintedPage.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainterPath>

namespace kakeibo::shell {

namespace {

// Device pixels per layout dot along one axis; printers may have a
// different resolution across and down the sheet.
double deviceUnitsPerDot(int devicePerInch) { return static_cast<double>(devicePerInch) / PrintedPage::kDotsPerInch; }

bool hasBoldFace(const QFont& font) {
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [&](const QString& style) { return QFontDatabase::weight(family, style) >= QFont::Bold; });
}

// The outline grows by about a 24th of the em, as a synthetic bold does.
double thickening(const QFont& font) { return font.pixelSize() / 24.0; }

}  // namespace

PrintedPage::PrintedPage(QPagedPaintDevice& device) : device_(device) {}

PrintedPage::~PrintedPage() {
    if (painter_.isActive()) painter_.end();
}

void PrintedPage::setLandscape(bool landscape) {
    device_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrintedPage::begin() {
    if (!painter_.begin(&device_)) return false;
    painter_.scale(deviceUnitsPerDot(device_.logicalDpiX()), deviceUnitsPerDot(device_.logicalDpiY()));
    painter_.setClipRect(QRect(QPoint(0, 0), size()));
    return true;
}

bool PrintedPage::end() { return painter_.end(); }

QSize PrintedPage::size() const {
    // Rounded down, so that the far edge of the layout (R = width - 1)
    // always lies on the printable area.
    const auto dots = [](int deviceUnits, int devicePerInch) {
        return static_cast<int>(std::floor(deviceUnits / deviceUnitsPerDot(devicePerInch)));
    };
    return {dots(device_.width(), device_.logicalDpiX()), dots(device_.height(), device_.logicalDpiY())};
}

PrintedPage::Font PrintedPage::font(const QString& family, int points, bool bold) {
    QFont font(family);
    // A size in dots: the painter's scale turns it into points on paper,
    // and measuring it needs no device.
    font.setPixelSize(points * kDotsPerPoint);
    // Unhinted outlines measure the same at every size the page is drawn.
    font.setHintingPreference(QFont::PreferNoHinting);
    if (!bold || hasBoldFace(font)) {
        font.setBold(bold);
        return {font, false};
    }
    return {font, true};
}

void PrintedPage::drawText(QPainter& painter, QPointF baseline, const Font& font, const QString& text) {
    painter.setFont(font.face);
    painter.drawText(baseline, text);  // stays text in a PDF, to search and copy
    if (!font.thickened) return;
    QPainterPath outline;
    outline.addText(baseline, font.face, text);
    QPen pen(painter.pen().color(), thickening(font.face));
    pen.setJoinStyle(Qt::RoundJoin);
    painter.save();
    painter.strokePath(outline, pen);
    painter.restore();
}

}  // namespace kakeibo::shell
