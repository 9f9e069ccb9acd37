#pragma once
// TFormSplash: the borderless box with the program's name, version and
// date. At start-up it shows without its OK button, centred on the screen,
// while the files load; as the version box it shows beside the main window
// with its OK button. Either way it closes and frees itself on OK or as
// soon as it loses the focus.

#include <QWidget>

class QPushButton;

namespace kakeibo::shell {

class SplashBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 517;
    static constexpr int kHeight = 318;
    static constexpr int kVersionBoxOffsetX = 90;  // from the main window's top-left
    static constexpr int kVersionBoxOffsetY = 140;

    explicit SplashBox(QWidget* parent = nullptr);

    // Created, centred on the screen, OK hidden, shown and painted at once.
    static SplashBox* showAtStartup();
    // Created anew beside the main window, with OK, not modal.
    static SplashBox* showVersionBox(QWidget* mainWindow);

    // The end of start-up: OK shows again and the box closes (it is freed
    // once pending events are handled).
    void release();

    QPushButton* okButton() const { return button1_; }

protected:
    bool event(QEvent* event) override;

private:
    QWidget* inner_;
    QPushButton* button1_;
};

}  // namespace kakeibo::shell
