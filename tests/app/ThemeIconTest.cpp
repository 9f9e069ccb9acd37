// The icon the desktop shows (rendered from resources/kakeibo.svg for
// every size of the hicolor theme) is the picture the window carries
// (resources/kakeibo.png, drawn by make-pictures.cpp): same sizes as their
// folders say, a transparent background, and the same drawing.

#include <cmath>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "app/Resources.h"
#include "TestRegistry.h"

namespace {

QImage themeIcon(int size) {
    return QImage(QStringLiteral(KAKEIBO_ICON_DIR "/%1x%1/apps/kakeibo.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean difference of two images of one size, 0 (same) to 1, over every
// channel of every pixel.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * 255.0 * a.width() * a.height());
}

}  // namespace

class ThemeIconTest : public QObject {
    Q_OBJECT
private slots:
    void everySizeIsItsFoldersSizeOnATransparentGround() {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon = themeIcon(size);
            QVERIFY2(!icon.isNull(), qPrintable(QStringLiteral("no %1x%1 icon").arg(size)));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
            // The cover fills the middle.
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void theThemesIconIsTheWindowsPicture() {
        kakeibo::shell::loadResources();
        const QImage window = QImage(QStringLiteral(":/kakeibo.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage theme = themeIcon(64);
        QCOMPARE(theme.size(), window.size());
        const double difference = meanDifference(theme, window);
        QVERIFY2(difference < 0.02, qPrintable(QStringLiteral("the icons differ by %1").arg(difference)));
        // A picture of something else differs far more.
        QVERIFY(meanDifference(theme, window.mirrored(true, false)) > 4 * difference);
    }

    // Every window carries the program's picture from the start, without
    // the desktop's icon theme being asked for it.
    void theApplicationsIconIsTheBuiltInPicture() {
        const QImage window = QImage(QStringLiteral(":/kakeibo.png")).convertToFormat(QImage::Format_ARGB32);
        const QImage icon = QApplication::windowIcon().pixmap(window.size()).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon, window);
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(KAKEIBO_APP_ID));
    }
};

KAKEIBO_REGISTER_TEST(ThemeIconTest);
#include "ThemeIconTest.moc"
