// The navigation bars' pictures: each one draws, each differs from the
// others, and each is drawn in the colour the palette gives the buttons'
// text, for the disabled state too, so a dark desktop palette or a button
// that cannot be pressed shows them as it shows its captions. The menu
// bar's button for menus that do not fit shows the drawn one too, by the
// application's style.

#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyle>
#include <QToolButton>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "app/pages/BarIcons.h"
#include "TestRegistry.h"

namespace {

using kakeibo::shell::BarIcon;
using kakeibo::shell::barIcon;

constexpr BarIcon kEveryIcon[] = {BarIcon::First, BarIcon::Previous, BarIcon::Next,
                                  BarIcon::Last,  BarIcon::Discard,  BarIcon::More};

QImage drawn(BarIcon kind, QIcon::Mode mode = QIcon::Normal, int side = 16) {
    return barIcon(kind).pixmap(QSize(side, side), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The colour of the most opaque pixel, and how many pixels are not clear.
struct Ink {
    QColor darkest;
    int pixels = 0;
};

Ink inkOf(const QImage& image) {
    Ink ink;
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) continue;
            ++ink.pixels;
            if (qAlpha(p) > best) {
                best = qAlpha(p);
                ink.darkest = QColor(qRed(p), qGreen(p), qBlue(p));
            }
        }
    }
    return ink;
}

// Two pictures that differ only in the smoothing of their edges.
bool alike(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))) > 48) return false;
        }
    }
    return true;
}

// Restores the application's palette however the test ends.
struct PaletteGuard {
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

}  // namespace

class BarIconsTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureDrawsAndNoTwoAreAlike() {
        std::vector<QImage> images;
        for (BarIcon kind : kEveryIcon) {
            const QImage image = drawn(kind);
            QCOMPARE(image.size(), QSize(16, 16));
            // Something to see, on a clear ground.
            QVERIFY(inkOf(image).pixels > 16);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            for (const QImage& other : images) QVERIFY(image != other);
            images.push_back(image);
        }
        // Back and forth point the other way: each is the other mirrored.
        QVERIFY(alike(drawn(BarIcon::First).mirrored(true, false), drawn(BarIcon::Last)));
        QVERIFY(alike(drawn(BarIcon::Previous).mirrored(true, false), drawn(BarIcon::Next)));
        QVERIFY(!alike(drawn(BarIcon::Previous), drawn(BarIcon::Next)));
    }

    void thePicturesTakeTheButtonsTextColourAndFollowAChangedPalette() {
        PaletteGuard guard;
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(20, 40, 200));
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(200, 120, 20));
        QApplication::setPalette(palette);
        for (BarIcon kind : kEveryIcon) {
            QCOMPARE(inkOf(drawn(kind)).darkest, QColor(20, 40, 200));
            QCOMPARE(inkOf(drawn(kind, QIcon::Disabled)).darkest, QColor(200, 120, 20));
        }
        // A light text on a dark desktop: the same icon object, drawn again.
        const QIcon icon = barIcon(BarIcon::Next);
        palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
        QApplication::setPalette(palette);
        QCOMPARE(inkOf(icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32)).darkest, QColor(Qt::white));
    }

    void theMenuBarsButtonForMenusThatDoNotFitIsDrawnAndTheRestIsTheDesktopsStyle() {
        const auto* style = dynamic_cast<const QProxyStyle*>(QApplication::style());
        QVERIFY(style);
        QVERIFY(style->baseStyle() && !style->baseStyle()->name().isEmpty());
        QMenuBar bar;
        const auto* more = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(more);
        QCOMPARE(more->icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32),
                 drawn(BarIcon::More));
        QVERIFY(!QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    }

    void aScreenOfTwiceTheDensityGetsAPictureOfTwiceThePixels() {
        const QPixmap pixmap = barIcon(BarIcon::Discard).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(pixmap.size(), QSize(32, 32));
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QVERIFY(inkOf(pixmap.toImage().convertToFormat(QImage::Format_ARGB32)).pixels > 64);
    }
};

KAKEIBO_REGISTER_TEST(BarIconsTest);
#include "BarIconsTest.moc"
