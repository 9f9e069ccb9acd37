#include "app/WaitBox.h"

#include <QApplication>
#include <QLabel>

#include "app/Fonts.h"

namespace kakeibo::shell {

WaitBox::WaitBox(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      panel_(new QLabel(this)) {
    setObjectName(QStringLiteral("TFormWait"));
    setFixedSize(kWidth, kHeight);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setGeometry(0, 0, kWidth, kHeight);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setLineWidth(1);
    panel_->setAlignment(Qt::AlignCenter);
    panel_->setAutoFillBackground(true);
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel_->setPalette(palette);
    QFont font(QString::fromUtf8(kUiFontFamily));
    font.setPixelSize(16);
    font.setBold(true);
    panel_->setFont(font);
}

void WaitBox::setText(const QString& text) { panel_->setText(text); }

QString WaitBox::text() const { return panel_->text(); }

void WaitBox::showOver(QWidget* mainWindow) {
    const QPoint origin = mainWindow ? mainWindow->frameGeometry().topLeft() : QPoint(0, 0);
    move(origin + QPoint(kOffsetX, kOffsetY));
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kakeibo::shell
