#include "app/exchange/MappingFields.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/editing/NumberSpinBox.h"

namespace kakeibo::shell {

namespace {

constexpr int kMostColumns = 99;
constexpr int kMostHeaderLines = 99;

// The choices of a list box, each with the value it stands for.
template <class Value>
QComboBox* choiceBox(QWidget* parent, const char* name, std::initializer_list<std::pair<const char*, Value>> items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const auto& [text, value] : items) box->addItem(QString::fromUtf8(text), static_cast<int>(value));
    return box;
}

template <class Value>
void choose(QComboBox* box, Value value) {
    box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(value))));
}

template <class Value>
Value chosen(const QComboBox* box) {
    return static_cast<Value>(box->currentData().toInt());
}

QLabel* caption(const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

MappingFields::MappingFields(const std::vector<std::string>& outChoices, const std::vector<std::string>& inChoices,
                             QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildReading());
    layout->addWidget(buildColumns());
    layout->addStretch();
    defaults_ = buildDefaults(outChoices, inChoices);

    for (QComboBox* box : {cmbFormat, cmbEncoding, cmbSeparator, cmbDateForm, cmbSign, cmbDefaultOut, cmbDefaultIn}) {
        connect(box, &QComboBox::currentIndexChanged, this, &MappingFields::changed);
    }
    for (NumberSpinBox* spin : {EditSkipLines, EditDateCol, EditTextCol, EditAmountCol, EditOutCol, EditInCol}) {
        connect(spin, &QSpinBox::valueChanged, this, &MappingFields::changed);
    }
    connect(rdBtnAmountSigned, &QRadioButton::toggled, this, &MappingFields::changed);
    connect(this, &MappingFields::changed, this, &MappingFields::followChoices);
}

QWidget* MappingFields::buildReading() {
    auto* group = new QGroupBox(QStringLiteral("ファイルの読み方"), this);
    auto* grid = new QGridLayout(group);
    cmbFormat = choiceBox(group, "cmbFormat", {std::pair{"CSV", StatementFormat::Csv}, {"QIF", StatementFormat::Qif}});
    cmbEncoding = choiceBox(group, "cmbEncoding", {std::pair{"自動", StatementEncoding::Auto},
                                                   {"Shift-JIS", StatementEncoding::Cp932},
                                                   {"UTF-8", StatementEncoding::Utf8}});
    cmbSeparator = choiceBox(group, "cmbSeparator", {std::pair{"カンマ", ','}, {"タブ", '\t'}});
    EditSkipLines = new NumberSpinBox(0, kMostHeaderLines, group);
    EditSkipLines->setObjectName(QStringLiteral("EditSkipLines"));
    EditSkipLines->setSuffix(QStringLiteral(" 行"));

    grid->addWidget(caption("形式(&K)", cmbFormat), 0, 0);
    grid->addWidget(cmbFormat, 0, 1);
    grid->addWidget(caption("文字コード(&J)", cmbEncoding), 0, 2);
    grid->addWidget(cmbEncoding, 0, 3);
    grid->addWidget(caption("区切り(&P)", cmbSeparator), 1, 0);
    grid->addWidget(cmbSeparator, 1, 1);
    grid->addWidget(caption("見出し(&H)", EditSkipLines), 1, 2);
    grid->addWidget(EditSkipLines, 1, 3);
    return group;
}

NumberSpinBox* MappingFields::column(const char* name, int minimum) {
    auto* spin = new NumberSpinBox(minimum, kMostColumns, columns_);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setPrefix(QStringLiteral("列 "));
    return spin;
}

QWidget* MappingFields::buildColumns() {
    auto* group = new QGroupBox(QStringLiteral("列"), this);
    columns_ = group;
    auto* grid = new QGridLayout(group);
    EditDateCol = column("EditDateCol", 1);
    cmbDateForm = choiceBox(group, "cmbDateForm",
                            {std::pair{"自動", DateForm::Auto}, {"2026/12/08", DateForm::Slash},
                             {"2026-12-08", DateForm::Hyphen}, {"20261208", DateForm::Digits},
                             {"2026年12月8日", DateForm::Kanji}, {"和暦（R8.12.8）", DateForm::Era}});
    EditTextCol = column("EditTextCol", 1);
    rdBtnAmountSigned = new QRadioButton(QStringLiteral("金額(&M)"), group);
    rdBtnAmountSigned->setObjectName(QStringLiteral("rdBtnAmountSigned"));
    EditAmountCol = column("EditAmountCol", 1);
    cmbSign = choiceBox(group, "cmbSign", {std::pair{"支出がマイナス", AmountSign::OutNegative},
                                           {"収入がマイナス", AmountSign::InNegative}});
    rdBtnAmountSplit = new QRadioButton(QStringLiteral("支出と収入(&S)"), group);
    rdBtnAmountSplit->setObjectName(QStringLiteral("rdBtnAmountSplit"));
    EditOutCol = column("EditOutCol", 1);
    EditInCol = column("EditInCol", 1);
    auto* amountForm = new QButtonGroup(group);
    amountForm->addButton(rdBtnAmountSigned);
    amountForm->addButton(rdBtnAmountSplit);

    grid->addWidget(caption("日付(&D)", EditDateCol), 0, 0);
    grid->addWidget(EditDateCol, 0, 1);
    grid->addWidget(cmbDateForm, 0, 2);
    grid->addWidget(caption("内容(&T)", EditTextCol), 1, 0);
    grid->addWidget(EditTextCol, 1, 1);
    grid->addWidget(rdBtnAmountSigned, 2, 0);
    grid->addWidget(EditAmountCol, 2, 1);
    grid->addWidget(cmbSign, 2, 2);
    grid->addWidget(rdBtnAmountSplit, 3, 0);
    grid->addWidget(EditOutCol, 3, 1);
    grid->addWidget(EditInCol, 3, 2);
    EditOutCol->setToolTip(QStringLiteral("支出（出金）の列"));
    EditInCol->setToolTip(QStringLiteral("収入（入金）の列"));
    EditOutCol->setPrefix(QStringLiteral("支出 列 "));
    EditInCol->setPrefix(QStringLiteral("収入 列 "));
    return group;
}

QWidget* MappingFields::buildDefaults(const std::vector<std::string>& outChoices,
                                      const std::vector<std::string>& inChoices) {
    // Placed by the dialog, which takes it into its own layout.
    auto* group = new QGroupBox(QStringLiteral("規則に当てはまらない行の分類"), this);
    auto* grid = new QGridLayout(group);
    const auto box = [group](const char* name, const std::vector<std::string>& choices) {
        auto* combo = new QComboBox(group);
        combo->setObjectName(QString::fromLatin1(name));
        combo->addItem(QStringLiteral("（なし）"), QString());
        for (const std::string& c : choices) combo->addItem(QString::fromStdString(c), QString::fromStdString(c));
        combo->setMinimumContentsLength(12);
        return combo;
    };
    cmbDefaultOut = box("cmbDefaultOut", outChoices);
    cmbDefaultIn = box("cmbDefaultIn", inChoices);
    grid->addWidget(caption("支出(&O)", cmbDefaultOut), 0, 0);
    grid->addWidget(cmbDefaultOut, 0, 1);
    grid->addWidget(caption("収入(&I)", cmbDefaultIn), 0, 2);
    grid->addWidget(cmbDefaultIn, 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

void MappingFields::showCategory(QComboBox* box, const std::string& category) {
    const QString text = QString::fromStdString(category);
    int index = box->findData(text);
    // A saved category the lists no longer hold stays, for the preview to
    // show what it does.
    if (index < 0) {
        box->addItem(text, text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void MappingFields::show(const ImportProfile& profile) {
    const QSignalBlocker blockFormat(cmbFormat), blockEncoding(cmbEncoding), blockSeparator(cmbSeparator),
        blockSkip(EditSkipLines), blockDate(EditDateCol), blockDateForm(cmbDateForm), blockText(EditTextCol),
        blockSigned(rdBtnAmountSigned), blockAmount(EditAmountCol), blockSign(cmbSign), blockOut(EditOutCol),
        blockIn(EditInCol), blockDefaultOut(cmbDefaultOut), blockDefaultIn(cmbDefaultIn);
    const StatementOptions& s = profile.statement;
    choose(cmbFormat, s.format);
    choose(cmbEncoding, s.encoding);
    choose(cmbSeparator, s.csv.separator);
    EditSkipLines->setValue(s.csv.skipLines);
    EditDateCol->setValue(s.columns.date);
    choose(cmbDateForm, s.columns.dateForm);
    EditTextCol->setValue(s.columns.text);
    const bool split = s.columns.amount < 1 && s.columns.out >= 1;
    (split ? rdBtnAmountSplit : rdBtnAmountSigned)->setChecked(true);
    // A column not used shows where it would most likely be.
    EditAmountCol->setValue(split ? s.columns.out : s.columns.amount);
    choose(cmbSign, s.columns.sign);
    EditOutCol->setValue(split ? s.columns.out : s.columns.amount);
    EditInCol->setValue(split ? s.columns.in : s.columns.amount + 1);
    showCategory(cmbDefaultOut, profile.defaultOut);
    showCategory(cmbDefaultIn, profile.defaultIn);
    followChoices();
}

void MappingFields::readInto(ImportProfile& profile) const {
    StatementOptions& s = profile.statement;
    s.format = chosen<StatementFormat>(cmbFormat);
    s.encoding = chosen<StatementEncoding>(cmbEncoding);
    s.csv.separator = static_cast<char>(cmbSeparator->currentData().toInt());
    s.csv.skipLines = EditSkipLines->value();
    s.columns.date = EditDateCol->value();
    s.columns.dateForm = chosen<DateForm>(cmbDateForm);
    s.columns.text = EditTextCol->value();
    const bool split = rdBtnAmountSplit->isChecked();
    s.columns.amount = split ? 0 : EditAmountCol->value();
    s.columns.sign = chosen<AmountSign>(cmbSign);
    s.columns.out = split ? EditOutCol->value() : 0;
    s.columns.in = split ? EditInCol->value() : 0;
    profile.defaultOut = cmbDefaultOut->currentData().toString().toStdString();
    profile.defaultIn = cmbDefaultIn->currentData().toString().toStdString();
}

void MappingFields::showEncodingUsed(StatementEncoding encoding) {
    // The choice "自動" says what it found.
    cmbEncoding->setItemText(cmbEncoding->findData(static_cast<int>(StatementEncoding::Auto)),
                             encoding == StatementEncoding::Cp932 ? QStringLiteral("自動（Shift-JIS）")
                                                                  : QStringLiteral("自動（UTF-8）"));
}

void MappingFields::followChoices() {
    const bool csv = chosen<StatementFormat>(cmbFormat) == StatementFormat::Csv;
    for (QWidget* w : {static_cast<QWidget*>(cmbSeparator), static_cast<QWidget*>(EditSkipLines), columns_}) {
        w->setEnabled(csv);
    }
    const bool split = rdBtnAmountSplit->isChecked();
    EditAmountCol->setEnabled(!split);
    cmbSign->setEnabled(!split);
    EditOutCol->setEnabled(split);
    EditInCol->setEnabled(split);
}

}  // namespace kakeibo::shell
