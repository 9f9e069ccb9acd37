#include "app/charts/ChartPrinting.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "dialogs/PrintedPage.h"

namespace kakeibo::shell {

namespace {

// The picture goes on paper as the screen shows it, drawn at about a
// printer's resolution. Drawn straight onto a printer, the charts would
// lay their legends and labels out again in the printer's font metrics,
// which leaves some of them out.
constexpr double kPaperDotsPerInch = 300;
constexpr double kMostPixelsPerPixel = 4;

// Draws picture centred on a page of that size (in the page's dots), as
// large as it fits.
void drawPictureOnPage(QPainter& painter, const QSize& page, QWidget* picture) {
    const QSize size = picture->size();
    if (size.isEmpty() || page.isEmpty()) return;
    const double scale = std::min(static_cast<double>(page.width()) / size.width(),
                                  static_cast<double>(page.height()) / size.height());
    const QSizeF onPage = QSizeF(size) * scale;
    const double pixelsPerPixel = std::clamp(
        scale * kPaperDotsPerInch / PrintedPage::kDotsPerInch, 1.0, kMostPixelsPerPixel);
    QImage image(size * pixelsPerPixel, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelsPerPixel);
    image.fill(picture->palette().color(QPalette::Window));
    {
        QPainter onImage(&image);
        onImage.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        picture->render(&onImage, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    const QRectF target(QPointF((page.width() - onPage.width()) / 2, (page.height() - onPage.height()) / 2), onPage);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

}  // namespace

PrintPath::Drawing chartPageDrawing(QWidget* picture) {
    return [picture](PrintedPage& page) {
        page.setLandscape(picture->width() > picture->height());
        if (!page.begin()) return false;
        drawPictureOnPage(page.painter(), page.size(), picture);
        return page.end();
    };
}

QPalette paperPalette() {
    QPalette paper(QColor(0xEF, 0xEF, 0xEF));
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return paper;
}

}  // namespace kakeibo::shell
