#pragma once
// TFormWait: the borderless box that says a long calculation is running.

#include <QWidget>

class QLabel;

namespace kakeibo::shell {

class WaitBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 413;
    static constexpr int kHeight = 227;
    static constexpr int kOffsetX = 100;  // from the main window's top-left
    static constexpr int kOffsetY = 150;

    explicit WaitBox(QWidget* mainWindow = nullptr);

    void setText(const QString& text);
    QString text() const;
    // Places the box beside the main window, shows it and paints it at once
    // (no events are handled while the work runs).
    void showOver(QWidget* mainWindow);

private:
    QLabel* panel_;
};

}  // namespace kakeibo::shell
