#include "app/SplashBox.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Fonts.h"
#include "app/Resources.h"

namespace kakeibo::shell {

namespace {

constexpr int kInset = 6;

QWidget* colouredPanel(QWidget* parent, const QColor& colour, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

QFont uiFont(int pixelSize, bool bold) {
    QFont font(QString::fromUtf8(kUiFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* textAt(QWidget* parent, const QString& text, int x, int y, int pixelSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(pixelSize, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->adjustSize();
    label->move(x, y);
    return label;
}

}  // namespace

SplashBox::SplashBox(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    loadResources();
    setObjectName(QStringLiteral("TFormSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    setFont(uiFont(kUiFontPixelSize, false));

    QWidget* outer = colouredPanel(this, QColor(128, 0, 0), "Panel1");
    outer->setGeometry(0, 0, kWidth, kHeight);
    inner_ = colouredPanel(outer, QColor(192, 192, 192), "Panel2");
    inner_->setGeometry(kInset, kInset, kWidth - 2 * kInset, kHeight - 2 * kInset);

    auto* picture = new QLabel(inner_);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap::fromImage(builtInPicture(QStringLiteral(":/splash.png"))));
    picture->setGeometry(24, 124, 100, 100);

    textAt(inner_, QStringLiteral("みらぶの家計簿"), 40, 8, 48, true)->setObjectName(QStringLiteral("Label1"));
    textAt(inner_, QStringLiteral("Ｖｅｒｓｉｏｎ " KAKEIBO_VERSION), 48, 64, 32, true)
        ->setObjectName(QStringLiteral("Label2"));
    textAt(inner_, QStringLiteral("２０００年 1 月 ３１ 日"), 168, 112, 13, false)
        ->setObjectName(QStringLiteral("Label3"));

    button1_ = new QPushButton(QStringLiteral("OK"), inner_);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setFont(uiFont(19, true));
    button1_->setGeometry(208, 200, 81, 41);
    connect(button1_, &QPushButton::clicked, this, &QWidget::close);
}

SplashBox* SplashBox::showAtStartup() {
    auto* box = new SplashBox;
    box->button1_->hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        box->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    box->show();
    box->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return box;
}

SplashBox* SplashBox::showVersionBox(QWidget* mainWindow) {
    // Belonging to the main window, it cannot keep the program running
    // after the main window has closed.
    auto* box = new SplashBox(mainWindow);
    const QPoint origin = mainWindow ? mainWindow->frameGeometry().topLeft() : QPoint(0, 0);
    box->move(origin + QPoint(kVersionBoxOffsetX, kVersionBoxOffsetY));
    box->show();
    box->activateWindow();
    box->repaint();
    return box;
}

void SplashBox::release() {
    button1_->show();
    close();
}

bool SplashBox::event(QEvent* event) {
    // Losing the focus (a click on the main window, a message box coming up
    // over it) closes the box.
    if (event->type() == QEvent::WindowDeactivate) close();
    return QWidget::event(event);
}

}  // namespace kakeibo::shell
