#include "app/safety/BackupListDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/Dates.h"

namespace kakeibo::shell {

namespace {

QString dayText(Date day) { return QString::fromStdString(dateToText(0, day)); }

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace

BackupListDialog::BackupListDialog(std::vector<GenerationSummary> generations, QWidget* mainWindow)
    : QDialog(mainWindow), generations_(std::move(generations)) {
    setObjectName(QStringLiteral("BackupListDialog"));
    setWindowTitle(QStringLiteral("バックアップから復元"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("復元する日を選んでください。いまの内容はバックアップに残してから復元します。"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    GridBackups = new QTableWidget(static_cast<int>(generations_.size()), 3, this);
    GridBackups->setObjectName(QStringLiteral("GridBackups"));
    GridBackups->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("カード枚数"),
                                            QStringLiteral("最後のカード")});
    GridBackups->verticalHeader()->hide();
    GridBackups->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridBackups->setSelectionMode(QAbstractItemView::SingleSelection);
    GridBackups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(generations_.size()); ++row) {
        const GenerationSummary& g = generations_[static_cast<std::size_t>(row)];
        GridBackups->setItem(row, 0, cell(dayText(g.day)));
        if (g.readable) {
            GridBackups->setItem(row, 1, cell(QString::number(g.cards), Qt::AlignRight | Qt::AlignVCenter));
            GridBackups->setItem(row, 2, cell(g.lastCard ? dayText(*g.lastCard) : QStringLiteral("なし")));
        } else {
            GridBackups->setItem(row, 1, cell(QStringLiteral("読めません")));
            GridBackups->setItem(row, 2, cell(QString()));
            for (int col = 0; col < 3; ++col) GridBackups->item(row, col)->setFlags(Qt::NoItemFlags);
        }
    }
    GridBackups->setColumnWidth(0, 110);
    GridBackups->setColumnWidth(1, 90);
    GridBackups->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(GridBackups);

    auto* buttons = new QDialogButtonBox(this);
    btnRestore = buttons->addButton(QStringLiteral("復元"), QDialogButtonBox::AcceptRole);
    btnRestore->setObjectName(QStringLiteral("btnRestore"));
    QPushButton* cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(GridBackups, &QTableWidget::itemSelectionChanged, this, &BackupListDialog::followSelection);
    connect(GridBackups, &QTableWidget::cellDoubleClicked, this, [this] {
        if (chosenPath()) accept();
    });

    // The newest readable generation is chosen to begin with.
    for (int row = 0; row < static_cast<int>(generations_.size()); ++row) {
        if (generations_[static_cast<std::size_t>(row)].readable) {
            GridBackups->selectRow(row);
            break;
        }
    }
    followSelection();
    resize(470, 360);
    if (mainWindow) move(mainWindow->frameGeometry().topLeft() + kOffset);
}

void BackupListDialog::followSelection() { btnRestore->setEnabled(chosenPath().has_value()); }

std::optional<std::string> BackupListDialog::chosenPath() const {
    const QList<QTableWidgetItem*> selected = GridBackups->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    const GenerationSummary& g = generations_[static_cast<std::size_t>(selected.front()->row())];
    if (!g.readable) return std::nullopt;
    return g.path;
}

}  // namespace kakeibo::shell
