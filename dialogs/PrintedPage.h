#pragma once
// One printed page in the unit the print layouts are drawn in: the dot of
// the 360-dpi printers they were made for (1/360 inch), counted from the
// top-left corner of the printable area the device reports. Whatever the
// device's own resolution (a 300- or 1200-dpi printer, a PDF file, the
// preview), the painter maps these dots onto it, so a page comes out at the
// same physical size everywhere; fonts are sized in points on paper.
// Anything drawn outside the printable area is cut at its edge.

#include <QFont>
#include <QPointF>
#include <QPainter>
#include <QSize>

class QPagedPaintDevice;

namespace kakeibo::shell {

class PrintedPage {
public:
    static constexpr int kDotsPerInch = 360;
    static constexpr int kDotsPerPoint = kDotsPerInch / 72;

    explicit PrintedPage(QPagedPaintDevice& device);
    ~PrintedPage();
    PrintedPage(const PrintedPage&) = delete;
    PrintedPage& operator=(const PrintedPage&) = delete;

    // Before begin(): overrides the orientation chosen in the printer setup.
    void setLandscape(bool landscape);
    // Starts painting on the device; false when the device refuses.
    bool begin();
    // Finishes the page; false when the device failed.
    bool end();

    // Valid between begin() and end(); positions in dots.
    QPainter& painter() { return painter_; }
    // The printable area in dots.
    QSize size() const;

    // A font on paper: its face, and whether drawText() thickens it.
    struct Font {
        QFont face;
        bool thickened = false;
    };
    // A font `points` points high on paper, for this page's painter. The
    // face's metrics (QFontMetrics without a device) are in dots, like the
    // layout. Bold in a family without a bold face (the Japanese print
    // fonts) is the regular face thickened: Qt's own synthetic bold is lost
    // in PDF files and doubled in the preview, so a print would look
    // different on every device.
    static Font font(const QString& family, int points, bool bold);
    // Draws text with its base line at baseline.
    static void drawText(QPainter& painter, QPointF baseline, const Font& font, const QString& text);

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
};

}  // namespace kakeibo::shell
