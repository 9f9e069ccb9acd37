#include "dialogs/CalendarDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "book/Book.h"
#include "dialogs/CalendarGridWidget.h"
#include "dialogs/MonthArrowIcon.h"
#include "model/Dates.h"

namespace kakeibo::shell {

namespace {

constexpr int kClientWidth = 183;
constexpr int kClientHeight = 243;

QLabel* makePanel(QWidget* parent, const char* name, const QRect& geometry, bool bold) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    if (bold) {
        QFont font = panel->font();
        font.setBold(true);
        panel->setFont(font);
    }
    return panel;
}

QToolButton* makeMonthButton(QWidget* parent, const char* name, const QRect& geometry, ArrowDirection direction,
                             const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setIcon(monthArrowIcon(direction));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(QString::fromUtf8(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CalendarDialog::CalendarDialog(Book& book, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      book_(book) {
    setObjectName(QStringLiteral("TFormCalender"));
    setFixedSize(kClientWidth, kClientHeight);

    btnGoPrev = makeMonthButton(this, "btnGoPrev", QRect(4, 4, 26, 24), ArrowDirection::Left, "前の月に移動");
    pnlYear = makePanel(this, "pnlYear", QRect(34, 4, 60, 24), false);
    pnlMonth = makePanel(this, "pnlMonth", QRect(98, 4, 51, 24), true);
    btnGoNext = makeMonthButton(this, "btnGoNext", QRect(153, 4, 26, 24), ArrowDirection::Right, "次の月に移動");

    GridCalender = new CalendarGridWidget(this);
    GridCalender->move((kClientWidth - GridCalender->width()) / 2, 34);

    Label1 = new QLabel(QStringLiteral("クリックした日に移動します"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 188, kClientWidth, 16);
    Label1->setAlignment(Qt::AlignCenter);

    Button1 = new QPushButton(QStringLiteral("キャンセル"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((kClientWidth - 75) / 2, 210, 75, 25);

    connect(btnGoPrev, &QToolButton::clicked, this, &CalendarDialog::btnGoPrevClick);
    connect(btnGoNext, &QToolButton::clicked, this, &CalendarDialog::btnGoNextClick);
    connect(GridCalender, &CalendarGridWidget::cellPressed, this, &CalendarDialog::GridCalenderMouseDown);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

CalendarResult CalendarDialog::run() {
    exec();
    return calendarResult();
}

CalendarResult CalendarDialog::calendarResult() const {
    if (result() != QDialog::Accepted) return {};
    return CalendarResult{true, shown_.year, shown_.month, pickedDay_};
}

void CalendarDialog::showEvent(QShowEvent* event) {
    // Only the dialog's own show, not the return from a minimised desktop.
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void CalendarDialog::FormShow() {
    if (QWidget* mainWindow = parentWidget()) {
        move(mainWindow->frameGeometry().topLeft() + kOffset);
    }
    setWindowTitle(QString::fromStdString(book_.userName()) + QStringLiteral("　のカレンダー"));
    setResult(QDialog::Rejected);
    pickedDay_ = 0;
    setYobiHeader(GridCalender->texts());
    const Ymd today = splitDate(book_.today());
    showMonth({today.year, today.month});
}

void CalendarDialog::showMonth(YearMonth month) {
    shown_ = month;
    pnlYear->setText(QString::number(month.year));
    pnlMonth->setText(QString::number(month.month));
    fillCalender(GridCalender->texts(), month.year, month.month);
    GridCalender->refresh();
}

void CalendarDialog::btnGoPrevClick() { showMonth(previousMonth(shown_)); }

void CalendarDialog::btnGoNextClick() { showMonth(nextMonth(shown_)); }

void CalendarDialog::GridCalenderMouseDown(int column, int row) {
    pickedDay_ = pickedDay(GridCalender->texts()[row][column]);
    accept();
}

}  // namespace kakeibo::shell
