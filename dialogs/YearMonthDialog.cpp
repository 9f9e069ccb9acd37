#include "dialogs/YearMonthDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "app/editing/NumberFieldValidator.h"
#include "book/TextExports.h"
#include "messages/Messages.h"

namespace kakeibo::shell {

namespace {

constexpr int kClientWidth = 166;
constexpr int kClientHeight = 124;

QComboBox* makeField(QWidget* parent, const char* name, const QRect& geometry, const QStringList& items) {
    auto* field = new QComboBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);  // typing does not grow the list
    field->setValidator(new NumberFieldValidator(field));
    field->addItems(items);
    field->setGeometry(geometry);
    return field;
}

QLabel* makeUnitLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QStringList numberItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) items << QString::number(n);
    return items;
}

}  // namespace

YearMonthDialog::YearMonthDialog(UiPort& ui, Date today, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ui_(ui) {
    setObjectName(QStringLiteral("TFormInput"));
    setWindowTitle(QStringLiteral("年・月の入力"));
    setFixedSize(kClientWidth, kClientHeight);

    cmbYearInput = makeField(this, "cmbYearInput", QRect(12, 24, 62, 24), numberItems(1999, 2005));
    lblYear = makeUnitLabel(this, "lblYear", QStringLiteral("年"), QRect(77, 24, 20, 24));
    cmbMonthInput = makeField(this, "cmbMonthInput", QRect(98, 24, 44, 24), numberItems(1, 12));
    lblMonth = makeUnitLabel(this, "lblMonth", QStringLiteral("月"), QRect(145, 24, 20, 24));

    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(8, 76, 72, 28);
    btnCancel->setAutoDefault(false);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(86, 76, 72, 28);
    btnOK->setDefault(true);

    const Ymd now = splitDate(today);
    year_ = now.year;
    month_ = now.month;
    cmbYearInput->setEditText(QString::number(year_));
    cmbMonthInput->setEditText(QString::number(month_));

    connect(btnOK, &QPushButton::clicked, this, &YearMonthDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &YearMonthDialog::btnCancelClick);
}

void YearMonthDialog::setMonthShown(bool showMonth) {
    cmbMonthInput->setVisible(showMonth);
    lblMonth->setVisible(showMonth);
}

YearMonthResult YearMonthDialog::run(bool showMonth) {
    setMonthShown(showMonth);
    exec();
    return yearMonthResult();
}

YearMonthResult YearMonthDialog::yearMonthResult() const {
    if (result() != QDialog::Accepted) return {};
    return YearMonthResult{true, year_, month_};
}

void YearMonthDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (QWidget* mainWindow = parentWidget()) {
            move(mainWindow->frameGeometry().topLeft() + kOffset);
        }
        setResult(QDialog::Rejected);
        cmbYearInput->setFocus();
        cmbYearInput->lineEdit()->selectAll();
    }
    QDialog::showEvent(event);
}

void YearMonthDialog::btnOKClick() {
    // The month is read even when its field is hidden: it holds its last value.
    const auto year = fieldToInt(cmbYearInput->currentText().toStdString());
    const auto month = year ? fieldToInt(cmbMonthInput->currentText().toStdString()) : std::nullopt;
    if (!year || !month) {
        msgDateError(ui_);
        msgUnstable(ui_);
        reject();
        return;
    }
    year_ = *year;
    month_ = *month;
    accept();
}

void YearMonthDialog::btnCancelClick() { reject(); }

}  // namespace kakeibo::shell
