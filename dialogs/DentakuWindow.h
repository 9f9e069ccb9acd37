#pragma once
// The built-in calculator window (TFormDentaku): a keypad, a display and
// four consumption-tax buttons over the calculator engine. Created once and
// shown without being modal; each show resets the engine and takes the tax
// rate and the caption from the settings. Only the numeric keypad and Enter
// are mapped; the window sees them before the focused button does.

#include <array>
#include <optional>

#include <QDialog>

#include "book/Calculator.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

// The calculator key of a key press: keypad digits and operators, the
// keypad decimal point and Enter (main or keypad); Other for every other key.
KeypadKey keypadKeyOf(const QKeyEvent& event);

// Starts the desktop's own calculator, detached; does nothing when none is
// installed.
void startDesktopCalculator();

class DentakuWindow : public QDialog {
    Q_OBJECT
public:
    // calcLeft: the left edge kept in the window settings file, if any.
    DentakuWindow(Book& book, std::optional<int> calcLeft, QWidget* mainWindow);

    // The left edge to keep in the window settings file at shutdown.
    int leftForSettings() const { return x(); }

    const Calculator& calculator() const { return calculator_; }
    // Every button and every mapped key comes here.
    void Body(const std::string& key);
    void applyTax(TaxButton button);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void DispKekka();
    QPushButton* makeKey(const char* name, const QString& caption, const QRect& geometry, const std::string& key);

    Book& book_;
    Calculator calculator_;

    QLabel* pnlKekka = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* pnlTaxRate = nullptr;
    QPushButton* btEq = nullptr;
    std::array<QPushButton*, 4> taxButtons_{};  // in TaxButton order
};

}  // namespace kakeibo::shell
