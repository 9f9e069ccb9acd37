#include "dialogs/DentakuWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>

#include "book/Book.h"

namespace kakeibo::shell {

namespace {

constexpr int kClientWidth = 284;
constexpr int kClientHeight = 192;
// The keypad: 4 columns of keys, 5 rows.
constexpr int kKeyLeft = 8;
constexpr int kKeyTop = 42;
constexpr int kKeyWidth = 30;
constexpr int kKeyHeight = 26;
constexpr int kKeyPitchX = 33;
constexpr int kKeyPitchY = 29;
// The tax column right of the keypad.
constexpr int kTaxLeft = 146;
constexpr int kTaxWidth = 130;

QRect keyRect(int column, int row, int columns = 1) {
    return {kKeyLeft + column * kKeyPitchX, kKeyTop + row * kKeyPitchY,
            kKeyWidth + (columns - 1) * kKeyPitchX, kKeyHeight};
}

struct TaxButtonName {
    TaxButton button;
    const char* objectName;
};
constexpr std::array<TaxButtonName, 4> kTaxButtons{{
    {TaxButton::AddTax, "btnAddTax"},
    {TaxButton::TaxOnly, "btnTaxOnly"},
    {TaxButton::TaxFromTotal, "btnTaxFrmTotal"},
    {TaxButton::MainFromTax, "btnMainFromTax"},
}};

}  // namespace

KeypadKey keypadKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return KeypadKey::Enter;
    if (!(event.modifiers() & Qt::KeypadModifier)) return KeypadKey::Other;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<KeypadKey>(static_cast<int>(KeypadKey::Digit0) + (key - Qt::Key_0));
    }
    switch (key) {
    case Qt::Key_Asterisk: return KeypadKey::Multiply;
    case Qt::Key_Plus: return KeypadKey::Add;
    case Qt::Key_Minus: return KeypadKey::Subtract;
    case Qt::Key_Slash: return KeypadKey::Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma:  // the keypad's separator key under some keyboard layouts
        return KeypadKey::DecimalPoint;
    default: return KeypadKey::Other;
    }
}

void startDesktopCalculator() {
    static const char* const kCalculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                               "qalculate-gtk", "xcalc"};
    for (const char* name : kCalculators) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {});
            return;  // a failure to start is not reported
        }
    }
}

DentakuWindow::DentakuWindow(Book& book, std::optional<int> calcLeft, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      book_(book) {
    setObjectName(QStringLiteral("TFormDentaku"));
    setModal(false);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    pnlKekka = new QLabel(this);
    pnlKekka->setObjectName(QStringLiteral("pnlKekka"));
    pnlKekka->setGeometry(8, 8, kClientWidth - 16, 26);
    pnlKekka->setAutoFillBackground(true);
    QPalette white = pnlKekka->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    pnlKekka->setPalette(white);
    pnlKekka->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlKekka->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(14);
    pnlKekka->setFont(bold);

    makeKey("bt7", QStringLiteral("7"), keyRect(0, 0), "7");
    makeKey("bt8", QStringLiteral("8"), keyRect(1, 0), "8");
    makeKey("bt9", QStringLiteral("9"), keyRect(2, 0), "9");
    makeKey("btDiv", QStringLiteral("/"), keyRect(3, 0), "/");
    makeKey("bt4", QStringLiteral("4"), keyRect(0, 1), "4");
    makeKey("bt5", QStringLiteral("5"), keyRect(1, 1), "5");
    makeKey("bt6", QStringLiteral("6"), keyRect(2, 1), "6");
    makeKey("btMult", QStringLiteral("x"), keyRect(3, 1), "*");
    makeKey("bt1", QStringLiteral("1"), keyRect(0, 2), "1");
    makeKey("bt2", QStringLiteral("2"), keyRect(1, 2), "2");
    makeKey("bt3", QStringLiteral("3"), keyRect(2, 2), "3");
    makeKey("btMinus", QStringLiteral("-"), keyRect(3, 2), "-");
    makeKey("bt0", QStringLiteral("0"), keyRect(0, 3, 2), "0");
    makeKey("btPriod", QStringLiteral("."), keyRect(2, 3), ".");
    makeKey("btPlus", QStringLiteral("+"), keyRect(3, 3), "+");
    makeKey("btCE", QStringLiteral("CE"), keyRect(0, 4), "CE");
    makeKey("btAC", QStringLiteral("AC"), keyRect(1, 4, 2), "AC");
    btEq = makeKey("btEq", QStringLiteral("="), keyRect(3, 4), "=");
    btEq->setDefault(true);

    // The rate stands in the gap of the label's full-width spaces.
    Label1 = new QLabel(QStringLiteral("消費税率　　　　　％"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kTaxLeft, kKeyTop, kTaxWidth, kKeyHeight);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int gapLeft = QFontMetrics(font).horizontalAdvance(QStringLiteral("消費税率"));
    const int gapWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("　　　　　"));
    pnlTaxRate = new QLabel(this);
    pnlTaxRate->setObjectName(QStringLiteral("pnlTaxRate"));
    pnlTaxRate->setGeometry(kTaxLeft + gapLeft + 2, kKeyTop + 3, gapWidth - 4, kKeyHeight - 6);
    pnlTaxRate->setAlignment(Qt::AlignCenter);
    pnlTaxRate->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    for (std::size_t i = 0; i < kTaxButtons.size(); ++i) {
        const TaxButton which = kTaxButtons[i].button;
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(kTaxButtons[i].objectName));
        button->setGeometry(kTaxLeft, kKeyTop + static_cast<int>(i + 1) * kKeyPitchY, kTaxWidth, kKeyHeight);
        button->setToolTip(QString::fromUtf8(Calculator::taxHint(which).data(),
                                             static_cast<qsizetype>(Calculator::taxHint(which).size())));
        button->setAutoDefault(false);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, which] { applyTax(which); });
        taxButtons_[i] = button;
    }

    // Only the left edge is kept between runs; the top follows the main window.
    const QRect main = mainWindow ? mainWindow->frameGeometry() : QRect(100, 120, 700, 480);
    move(calcLeft.value_or(main.right() + 1), main.top());
    installEventFilter(this);
    DispKekka();
}

QPushButton* DentakuWindow::makeKey(const char* name, const QString& caption, const QRect& geometry,
                                    const std::string& key) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, key] { Body(key); });
    return button;
}

void DentakuWindow::Body(const std::string& key) {
    calculator_.Body(key);
    DispKekka();
}

void DentakuWindow::applyTax(TaxButton button) {
    calculator_.applyTax(button);
    DispKekka();
}

void DentakuWindow::DispKekka() {
    pnlKekka->setText(QString::fromStdString(calculator_.display()));
    btEq->setFocus();
}

void DentakuWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void DentakuWindow::FormShow() {
    setWindowTitle(QString::fromStdString(calculatorCaption(book_)));
    const double rate = calculatorTaxRate(book_);
    calculator_.show(rate);
    pnlTaxRate->setText(QString::fromStdString(calculator_.taxRateText()));
    for (std::size_t i = 0; i < kTaxButtons.size(); ++i) {
        taxButtons_[i]->setText(QString::fromStdString(Calculator::taxCaption(kTaxButtons[i].button, rate)));
    }
    DispKekka();
}

bool DentakuWindow::eventFilter(QObject* watched, QEvent* event) {
    // Key presses reach the window before the focused button acts on them.
    if (event->type() == QEvent::KeyPress) {
        if (const auto key = keypadKeyToCalculatorKey(keypadKeyOf(*static_cast<QKeyEvent*>(event)))) {
            Body(*key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kakeibo::shell
