#include "dialogs/HibiOutDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "app/editing/NumberFieldValidator.h"
#include "book/Book.h"

namespace kakeibo::shell {

namespace {

constexpr int kClientWidth = 316;
constexpr int kClientHeight = 188;
constexpr int kFieldHeight = 24;

QStringList toQStrings(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}

QComboBox* makeDateField(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items,
                         const std::string& text) {
    auto* field = new QComboBox(parent);
    field->setObjectName(name);
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setValidator(new NumberFieldValidator(field));
    field->addItems(items);
    field->setGeometry(geometry);
    field->setEditText(QString::fromStdString(text));
    return field;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

HibiOutDialog::HibiOutDialog(Book& book, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), book_(book) {
    setObjectName(QStringLiteral("TFormHibiOut"));
    setWindowTitle(QString::fromUtf8(kHibiTitle));
    setFixedSize(kClientWidth, kClientHeight);

    rdBtnHibiOutCurr = new QRadioButton(QStringLiteral("表示中の「日々の記録」を保存"), this);
    rdBtnHibiOutCurr->setObjectName(QStringLiteral("rdBtnHibiOutCurr"));
    rdBtnHibiOutCurr->setGeometry(16, 10, 290, 22);
    rdBtnHibiOutDur = new QRadioButton(QStringLiteral("指定期間の「日々の記録」を保存"), this);
    rdBtnHibiOutDur->setObjectName(QStringLiteral("rdBtnHibiOutDur"));
    rdBtnHibiOutDur->setGeometry(16, 34, 290, 22);
    auto* choice = new QButtonGroup(this);
    choice->addButton(rdBtnHibiOutCurr);
    choice->addButton(rdBtnHibiOutDur);

    const HibiFields opening = mnuSaveTabSepHibiClick(book_);
    const QStringList years = toQStrings(hibiYearItems());
    const QStringList months = toQStrings(hibiMonthItems());
    const QStringList days = toQStrings(hibiDayItems());
    for (int end = 0; end <= 1; ++end) {
        const QString n = QString::number(end);
        const int y = 66 + end * 34;
        const int base = end * 3;
        dateFields_[base + 0] = makeDateField(this, QStringLiteral("cmbYearInput") + n, QRect(34, y, 62, kFieldHeight),
                                              years, opening[base + 0]);
        dateFields_[base + 1] = makeDateField(this, QStringLiteral("cmbMonthInput") + n,
                                              QRect(120, y, 46, kFieldHeight), months, opening[base + 1]);
        dateFields_[base + 2] = makeDateField(this, QStringLiteral("cmbDayInput") + n,
                                              QRect(190, y, 46, kFieldHeight), days, opening[base + 2]);
        const int label = end * 4;
        dateLabels_[label + 0] = makeLabel(this, QStringLiteral("lblYear") + n, QStringLiteral("年"),
                                           QRect(100, y, 16, kFieldHeight));
        dateLabels_[label + 1] = makeLabel(this, QStringLiteral("lblMonth") + n, QStringLiteral("月"),
                                           QRect(170, y, 16, kFieldHeight));
        dateLabels_[label + 2] = makeLabel(this, QStringLiteral("lblDay") + n, QStringLiteral("日"),
                                           QRect(240, y, 16, kFieldHeight));
        dateLabels_[label + 3] = makeLabel(this, QStringLiteral("lblFromTo") + n,
                                           end == 0 ? QStringLiteral("から") : QStringLiteral("まで"),
                                           QRect(262, y, 40, kFieldHeight));
    }

    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(70, 146, 80, 28);
    btnCancel->setAutoDefault(false);
    btnSave = new QPushButton(QStringLiteral("保存する"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setGeometry(166, 146, 80, 28);
    btnSave->setDefault(true);

    connect(rdBtnHibiOutCurr, &QRadioButton::toggled, this, [this](bool on) {
        if (on) hideDateCombo();
    });
    connect(rdBtnHibiOutDur, &QRadioButton::toggled, this, [this](bool on) {
        if (on) showDateCombo();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSave, &QPushButton::clicked, this, &HibiOutDialog::btnSaveClick);

    rdBtnHibiOutDur->setChecked(true);
    showDateCombo();
}

void HibiOutDialog::run() { exec(); }

HibiFields HibiOutDialog::fields() const {
    HibiFields texts;
    for (std::size_t i = 0; i < dateFields_.size(); ++i) {
        texts[i] = dateFields_[i]->currentText().toStdString();
    }
    return texts;
}

bool HibiOutDialog::dateFieldsShown() const { return !dateFields_[0]->isHidden(); }

void HibiOutDialog::showDateCombo() { setDateFieldsVisible(true); }

void HibiOutDialog::hideDateCombo() { setDateFieldsVisible(false); }

void HibiOutDialog::setDateFieldsVisible(bool visible) {
    for (QComboBox* field : dateFields_) field->setVisible(visible);
    for (QLabel* label : dateLabels_) label->setVisible(visible);
}

void HibiOutDialog::btnSaveClick() {
    // Hidden fields still count: they hold the shown card's date unless changed.
    if (btnSaveHibiClick(book_, fields()) == HibiDialogOutcome::Close) {
        accept();
    }
}

void HibiOutDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (QWidget* mainWindow = parentWidget()) {
            move(mainWindow->frameGeometry().topLeft() + kOffset);
        }
    }
    QDialog::showEvent(event);
}

}  // namespace kakeibo::shell
