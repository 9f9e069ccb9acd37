#include "app/exchange/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/exchange/MappingFields.h"
#include "app/exchange/PreviewTables.h"
#include "app/exchange/RulesTable.h"
#include "messages/ExchangeMessages.h"

namespace kakeibo::shell {

namespace {

// The preview follows the fields once the person pauses: a column number
// held down with the arrow key does not read the file at every step.
constexpr int kPreviewPauseMs = 150;

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter in a field never imports by accident.
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

ImportDialog::ImportDialog(Book& book, ChosenStatement statement, CommandRunner runCommand, QWidget* parent)
    : QDialog(parent), book_(book), runCommand_(std::move(runCommand)) {
    setObjectName(QStringLiteral("TFormImport"));
    setWindowTitle(QStringLiteral("取り込み － ") + QString::fromStdString(fileNameOf(statement.path)));
    session_ = std::make_unique<ImportSession>(book_, std::move(statement));
    resize(900, 760);

    fields_ = new MappingFields(session_->outChoices(), session_->inChoices(), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildProfiles());
    auto* settings = new QHBoxLayout;
    settings->addWidget(fields_);
    settings->addWidget(buildRules(), 1);
    layout->addLayout(settings);
    layout->addWidget(fields_->defaultsGroup());

    GridFileLines = makeFileLinesTable(this);
    GridPreview = makePreviewTable(this);
    auto* tables = new QSplitter(Qt::Vertical, this);
    auto* fileLines = new QWidget(tables);
    auto* fileLayout = new QVBoxLayout(fileLines);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addWidget(heading(QStringLiteral("ファイルの先頭(&F)"), GridFileLines));
    fileLayout->addWidget(GridFileLines);
    auto* preview = new QWidget(tables);
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(heading(QStringLiteral("取り込まれる行(&V)"), GridPreview));
    previewLayout->addWidget(GridPreview);
    tables->addWidget(fileLines);
    tables->addWidget(preview);
    tables->setStretchFactor(0, 2);
    tables->setStretchFactor(1, 3);
    layout->addWidget(tables, 1);

    pnlImportCounts = new QLabel(this);
    pnlImportCounts->setObjectName(QStringLiteral("pnlImportCounts"));
    pnlImportCounts->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlImportCounts->setWordWrap(true);
    layout->addWidget(pnlImportCounts);
    layout->addWidget(buildButtons());

    previewSoon_.setSingleShot(true);
    previewSoon_.setInterval(kPreviewPauseMs);
    connect(&previewSoon_, &QTimer::timeout, this, &ImportDialog::refreshPreview);
    connect(fields_, &MappingFields::changed, this, &ImportDialog::mappingEdited);
    connect(GridRules, &RulesTable::rulesChanged, this, [this] {
        session_->ruleRows = GridRules->rows();
        previewSoon_.start();
    });

    showProfileNames();
    showMapping();
    GridRules->setRules(session_->ruleRows);
    refreshPreview();
}

ImportDialog::~ImportDialog() = default;

QWidget* ImportDialog::buildProfiles() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    cmbProfile = new QComboBox(bar);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setEditable(true);
    cmbProfile->setInsertPolicy(QComboBox::NoInsert);
    cmbProfile->setMinimumContentsLength(20);
    cmbProfile->lineEdit()->setPlaceholderText(QStringLiteral("銀行やカード会社の名前"));
    btnSaveProfile = button(bar, "btnSaveProfile", QStringLiteral("設定を保存(&A)"));
    btnDeleteProfile = button(bar, "btnDeleteProfile", QStringLiteral("設定を削除(&E)"));
    row->addWidget(heading(QStringLiteral("保存した設定(&N)"), cmbProfile));
    row->addWidget(cmbProfile);
    row->addWidget(btnSaveProfile);
    row->addWidget(btnDeleteProfile);
    row->addStretch();

    connect(cmbProfile, &QComboBox::activated, this, [this](int index) {
        if (session_->chooseProfile(cmbProfile->itemText(index).toStdString())) {
            showMapping();
            refreshPreview();
        }
    });
    connect(cmbProfile, &QComboBox::editTextChanged, this, &ImportDialog::followProfileName);
    connect(btnSaveProfile, &QPushButton::clicked, this, &ImportDialog::saveProfile);
    connect(btnDeleteProfile, &QPushButton::clicked, this, &ImportDialog::deleteProfile);
    return bar;
}

QWidget* ImportDialog::buildRules() {
    auto* group = new QGroupBox(QStringLiteral("規則（上にあるものが先）"), this);
    auto* layout = new QVBoxLayout(group);
    GridRules = new RulesTable(session_->ruleChoices(), group);
    auto* heading = new QLabel(QStringLiteral("内容にこの文字が含まれる行は、この分類(&R)"), group);
    heading->setBuddy(GridRules);
    btnDeleteRule = button(group, "btnDeleteRule", QStringLiteral("規則を削除(&L)"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnDeleteRule);
    layout->addWidget(heading);
    layout->addWidget(GridRules);
    layout->addLayout(row);
    connect(btnDeleteRule, &QPushButton::clicked, GridRules, &RulesTable::removeCurrentRule);
    return group;
}

QWidget* ImportDialog::buildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    chkBoxSkipBad = new QCheckBox(QStringLiteral("不正な行を飛ばす(&B)"), bar);
    chkBoxSkipBad->setObjectName(QStringLiteral("chkBoxSkipBad"));
    btnImport = button(bar, "btnImport", QStringLiteral("取り込む"));
    QPushButton* cancel = button(bar, "btnCancel", QStringLiteral("キャンセル"));
    row->addWidget(chkBoxSkipBad);
    row->addStretch();
    row->addWidget(btnImport);
    row->addWidget(cancel);
    connect(chkBoxSkipBad, &QCheckBox::toggled, this, [this](bool checked) {
        session_->skipBad = checked;
        refreshPreview();
    });
    connect(btnImport, &QPushButton::clicked, this, &ImportDialog::importStatement);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void ImportDialog::showProfileNames() {
    const QSignalBlocker block(cmbProfile);
    cmbProfile->clear();
    for (const ImportProfile& p : session_->memory().profiles) cmbProfile->addItem(QString::fromStdString(p.name));
    // No name is chosen but the mapping's own, so that typing a saved name
    // (and Enter) chooses it.
    const QString name = QString::fromStdString(session_->mapping.name);
    cmbProfile->setCurrentIndex(cmbProfile->findText(name));
    cmbProfile->setEditText(name);
    followProfileName();
}

void ImportDialog::showMapping() { fields_->show(session_->mapping); }

void ImportDialog::mappingEdited() {
    fields_->readInto(session_->mapping);
    previewSoon_.start();
}

void ImportDialog::followProfileName() {
    const std::string name = cmbProfile->currentText().trimmed().toStdString();
    btnSaveProfile->setEnabled(!name.empty());
    btnDeleteProfile->setEnabled(findProfile(session_->memory(), name) != nullptr);
}

void ImportDialog::saveProfile() {
    fields_->readInto(session_->mapping);
    session_->saveProfile(cmbProfile->currentText().trimmed().toStdString());
    showProfileNames();
}

void ImportDialog::deleteProfile() {
    const std::string name = cmbProfile->currentText().trimmed().toStdString();
    if (msgConfirmDeleteProfile(book_.ui(), name) != MsgResult::Ok) return;
    session_->deleteProfile(name);
    showProfileNames();
}

void ImportDialog::refreshPreview() {
    previewSoon_.stop();
    const SessionPreview shown = session_->preview();
    fields_->showEncodingUsed(shown.sample.encoding);
    showFileLines(GridFileLines, shown.sample);
    showPreviewRows(GridPreview, shown.rows);
    pnlImportCounts->setText(QString::fromStdString(shown.counts.text));
    QPalette palette = pnlImportCounts->palette();
    palette.setColor(QPalette::WindowText, shown.counts.stopped ? QColor(200, 0, 0) : palette.color(QPalette::Text));
    pnlImportCounts->setPalette(palette);
    emit previewShown();
}

void ImportDialog::importStatement() {
    // A rule typed and not yet committed counts.
    GridRules->setFocus();
    session_->ruleRows = GridRules->rows();
    runCommand_([this](Book&) { outcome_ = session_->import(); });
    if (outcome_ && outcome_->status == ImportStatus::Done) {
        accept();
        return;
    }
    // Stopped: the person mends the mapping or chooses to skip bad rows.
    refreshPreview();
}

}  // namespace kakeibo::shell
