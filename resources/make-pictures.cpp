// Draws the program's pictures: resources/splash.png (the 100 x 100 picture
// of the splash box) and resources/kakeibo.png (the 64 x 64 icon of the
// window). resources/kakeibo.svg is the same drawing for the desktop's icon
// theme; change the two together (a test compares them).
// Not part of the build; run once after changing the drawing:
//   g++ -std=c++20 -fPIC make-pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make-pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make-pictures resources/

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

// A small open household book: a green cover, two cream pages with ruled
// lines, a red ribbon and a yen sign on the right page.
void drawBook(QPainter& p, double size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);

    // Shadow and cover.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(9, 22, 86, 66), 6, 6);
    p.setBrush(QColor(34, 120, 74));
    p.drawRoundedRect(QRectF(6, 18, 88, 66), 6, 6);

    // Pages.
    const QColor paper(255, 250, 232);
    p.setBrush(paper);
    p.setPen(QPen(QColor(180, 160, 120), 1));
    QPainterPath left;
    left.moveTo(50, 24);
    left.cubicTo(38, 19, 22, 19, 11, 23);
    left.lineTo(11, 78);
    left.cubicTo(22, 74, 38, 74, 50, 79);
    left.closeSubpath();
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(50, 24);
    right.cubicTo(62, 19, 78, 19, 89, 23);
    right.lineTo(89, 78);
    right.cubicTo(78, 74, 62, 74, 50, 79);
    right.closeSubpath();
    p.drawPath(right);

    // Ruled lines with a few little amounts on the left page.
    p.setPen(QPen(QColor(120, 160, 210), 1.2));
    for (int i = 0; i < 6; ++i) {
        const double y = 33 + i * 8;
        p.drawLine(QPointF(16, y), QPointF(45, y + 1));
    }
    p.setPen(QPen(QColor(90, 90, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const double y = 31 + i * 8;
        p.drawLine(QPointF(32, y), QPointF(42, y + 0.5));
    }

    // The yen sign on the right page.
    p.setPen(QPen(QColor(200, 60, 40), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(60, 32), QPointF(69, 46));
    p.drawLine(QPointF(78, 32), QPointF(69, 46));
    p.drawLine(QPointF(69, 46), QPointF(69, 66));
    p.setPen(QPen(QColor(200, 60, 40), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(61, 50), QPointF(77, 50));
    p.drawLine(QPointF(61, 57), QPointF(77, 57));

    // The spine and a ribbon.
    p.setPen(QPen(QColor(150, 130, 90), 1.2));
    p.drawLine(QPointF(50, 24), QPointF(50, 79));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 60));
    QPainterPath ribbon;
    ribbon.moveTo(52, 22);
    ribbon.lineTo(56, 22);
    ribbon.lineTo(56, 92);
    ribbon.lineTo(54, 89);
    ribbon.lineTo(52, 92);
    ribbon.closeSubpath();
    p.drawPath(ribbon);
}

QImage picture(int size, const QColor& background) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter p(&image);
    drawBook(p, size);
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // The splash picture sits on the silver panel.
    picture(100, QColor(192, 192, 192)).save(folder + QStringLiteral("/splash.png"));
    picture(64, Qt::transparent).save(folder + QStringLiteral("/kakeibo.png"));
    return 0;
}
