#include "PrintDialogTestPages.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace kakeibo::testing {

namespace {

constexpr double kMmPerInch = 25.4;
// Darker than this counts as ink; the preview's antialiased edges and the
// rendered glyphs' fringes are lighter.
constexpr int kInkGray = 160;

QString toolOutput(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

MeasuredPage measurePicture(const QImage& picture, QSizeF sheetMm) {
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    int left = gray.width(), top = gray.height(), right = -1, bottom = -1;
    int longestRun = 0;
    int bottomRun = 0;
    qint64 inkPixels = 0;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* line = gray.constScanLine(y);
        int run = 0;
        int rowRun = 0;
        for (int x = 0; x < gray.width(); ++x) {
            if (line[x] >= kInkGray) {
                run = 0;
                continue;
            }
            ++inkPixels;
            rowRun = std::max(rowRun, ++run);
            longestRun = std::max(longestRun, rowRun);
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        if (rowRun > 0) bottomRun = rowRun;
    }
    MeasuredPage page;
    page.sheetMm = sheetMm;
    page.picture = picture;
    const double mmPerPixel = sheetMm.width() / gray.width();
    if (right >= 0) {
        page.inkMm = QRectF(left * mmPerPixel, top * mmPerPixel, (right + 1 - left) * mmPerPixel,
                            (bottom + 1 - top) * mmPerPixel);
    }
    page.longestRuleMm = longestRun * mmPerPixel;
    page.bottomRuleMm = bottomRun * mmPerPixel;
    page.inkMm2 = inkPixels * mmPerPixel * mmPerPixel;
    return page;
}

MeasuredPage turnedToRead(const MeasuredPage& page) {
    return measurePicture(page.picture.transformed(QTransform().rotate(90)), page.sheetMm.transposed());
}

int pdfPageCount(const QString& pdf) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(toolOutput(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::optional<MeasuredPage> renderPdfPage(const QString& pdf, int dpi) {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    toolOutput(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, base});
    const QImage picture(base + QStringLiteral(".png"));
    if (picture.isNull()) return std::nullopt;
    const QSizeF sheetMm(picture.width() * kMmPerInch / dpi, picture.height() * kMmPerInch / dpi);
    return measurePicture(picture, sheetMm);
}

std::optional<MeasuredPage> renderPreviewPage(QPrintPreviewDialog& preview, QSizeF sheetMm, int dpi) {
    const auto* view = preview.findChild<QGraphicsView*>();
    if (!view || !view->scene()) return std::nullopt;
    const QList<QGraphicsItem*> pages = view->scene()->items(Qt::AscendingOrder);
    if (pages.isEmpty()) return std::nullopt;
    // A page item holds the sheet with a border around it for its shadow.
    const QRectF bounds = pages.first()->boundingRect();
    const double border = -bounds.left();
    const QRectF sheet = pages.first()->mapRectToScene(bounds.adjusted(border, border, -border, -border));

    QImage picture(qRound(sheetMm.width() / kMmPerInch * dpi), qRound(sheetMm.height() / kMmPerInch * dpi),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    view->scene()->render(&painter, QRectF(picture.rect()), sheet, Qt::IgnoreAspectRatio);
    painter.end();
    return measurePicture(picture, sheetMm);
}

void whenPreviewOpens(std::function<void(QPrintPreviewDialog&)> look) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, look = std::move(look)] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(window);
            if (!preview || !preview->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            look(*preview);
            return;
        }
    });
    timer->start();
}

void keepPicture(const MeasuredPage& page, const QString& name) {
    const QString keep = qEnvironmentVariable("KAKEIBO_KEEP_PDF");
    if (keep.isEmpty()) return;
    QDir().mkpath(keep);
    page.picture.save(keep + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QMarginsF inkInsidePrintableArea(const MeasuredPage& page, const QMarginsF& marginsMm) {
    const QRectF area(marginsMm.left(), marginsMm.top(), page.sheetMm.width() - marginsMm.left() - marginsMm.right(),
                      page.sheetMm.height() - marginsMm.top() - marginsMm.bottom());
    return {page.inkMm.left() - area.left(), page.inkMm.top() - area.top(), area.right() - page.inkMm.right(),
            area.bottom() - page.inkMm.bottom()};
}

namespace {

constexpr double kA4ShortMm = 210.0;
constexpr double kA4LongMm = 297.0;
// A pixel of the rendered pictures and the rounding of a page's edges.
constexpr double kMeasureMm = 0.6;

QString describe(const QRectF& mm) {
    return QStringLiteral("(%1, %2) %3 x %4 mm")
        .arg(mm.left(), 0, 'f', 1)
        .arg(mm.top(), 0, 'f', 1)
        .arg(mm.width(), 0, 'f', 1)
        .arg(mm.height(), 0, 'f', 1);
}

}  // namespace

QString fullSizeProblem(const MeasuredPage& page, bool landscape, const QMarginsF& marginsMm, double ruleMm) {
    const QSizeF a4 = landscape ? QSizeF(kA4LongMm, kA4ShortMm) : QSizeF(kA4ShortMm, kA4LongMm);
    if (std::abs(page.sheetMm.width() - a4.width()) > 1.5 || std::abs(page.sheetMm.height() - a4.height()) > 1.5) {
        return QStringLiteral("the sheet is %1 x %2 mm, not A4 %3")
            .arg(page.sheetMm.width(), 0, 'f', 1)
            .arg(page.sheetMm.height(), 0, 'f', 1)
            .arg(landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"));
    }
    if (page.inkMm.width() < 0.6 * page.sheetMm.width()) {
        return QStringLiteral("the ink %1 spans less than 60 % of the sheet's width").arg(describe(page.inkMm));
    }
    const QMarginsF inside = inkInsidePrintableArea(page, marginsMm);
    if (std::min({inside.left(), inside.top(), inside.right(), inside.bottom()}) < -kMeasureMm) {
        return QStringLiteral("the ink %1 leaves the printable area").arg(describe(page.inkMm));
    }
    if (std::abs(page.longestRuleMm - ruleMm) > kMeasureMm) {
        return QStringLiteral("the longest rule is %1 mm, not %2 mm")
            .arg(page.longestRuleMm, 0, 'f', 1)
            .arg(ruleMm, 0, 'f', 1);
    }
    return {};
}

QString layoutDifference(const MeasuredPage& a, const QMarginsF& marginsA, const MeasuredPage& b,
                         const QMarginsF& marginsB, bool reachesBottom, double toleranceMm) {
    const QMarginsF insideA = inkInsidePrintableArea(a, marginsA);
    const QMarginsF insideB = inkInsidePrintableArea(b, marginsB);
    const std::pair<const char*, std::pair<double, double>> measures[] = {
        {"left", {insideA.left(), insideB.left()}},
        {"top", {insideA.top(), insideB.top()}},
        {"right", {insideA.right(), insideB.right()}},
        {reachesBottom ? "bottom" : "height",
         reachesBottom ? std::pair{insideA.bottom(), insideB.bottom()} : std::pair{a.inkMm.height(), b.inkMm.height()}},
    };
    QString differences;
    for (const auto& [what, values] : measures) {
        if (std::abs(values.first - values.second) > toleranceMm) {
            differences += QStringLiteral("%1: %2 mm against %3 mm; ")
                               .arg(QLatin1String(what))
                               .arg(values.first, 0, 'f', 1)
                               .arg(values.second, 0, 'f', 1);
        }
    }
    return differences;
}

}  // namespace kakeibo::testing
