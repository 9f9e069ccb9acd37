#include "dialogs/PrintedPage.h"

#include <cmath>

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace kakeibo::shell {

namespace {

// Device pixels per layout dot along one axis; printers may have a
// different resolution across and down the sheet.
double deviceUnitsPerDot(int devicePerInch) { return static_cast<double>(devicePerInch) / PrintedPage::kDotsPerInch; }

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

QFont PrintedPage::font(const QString& family, int points, bool bold) {
    QFont font(family);
    // A size in dots: the painter's scale turns it into points on paper,
    // and measuring it needs no device.
    font.setPixelSize(points * kDotsPerPoint);
    font.setBold(bold);
    // Unhinted outlines measure the same at every size the page is drawn.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace kakeibo::shell
