#include "app/exchange/RulesTable.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace kakeibo::shell {

namespace {

constexpr int kTextCol = 0;
constexpr int kCategoryCol = 1;

// The category cell's editor: the book's categories to choose from, or any
// text typed (a category the lists do not hold shows as an error in the
// preview).
class CategoryDelegate : public QStyledItemDelegate {
public:
    CategoryDelegate(QStringList categories, QObject* parent)
        : QStyledItemDelegate(parent), categories_(std::move(categories)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("cmbRuleCategory"));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(categories_);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        const QString value = index.data(Qt::EditRole).toString();
        const int found = box->findText(value);
        if (found >= 0) box->setCurrentIndex(found);
        box->setEditText(value);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText().trimmed(), Qt::EditRole);
    }

private:
    QStringList categories_;
};

}  // namespace

RulesTable::RulesTable(const std::vector<std::string>& categories, QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("GridRules"));
    setHorizontalHeaderLabels({QStringLiteral("内容に含まれる文字"), QStringLiteral("分類")});
    horizontalHeader()->setSectionResizeMode(kTextCol, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(kCategoryCol, QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    QStringList names;
    for (const std::string& c : categories) names << QString::fromStdString(c);
    setItemDelegateForColumn(kCategoryCol, new CategoryDelegate(names, this));
    keepOneBlankRow();
    connect(this, &QTableWidget::itemChanged, this, [this] {
        keepOneBlankRow();
        emit rulesChanged();
    });
}

QString RulesTable::text(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

bool RulesTable::rowIsBlank(int row) const {
    return text(row, kTextCol).trimmed().isEmpty() && text(row, kCategoryCol).trimmed().isEmpty();
}

void RulesTable::keepOneBlankRow() {
    const QSignalBlocker block(this);
    if (rowCount() == 0 || !rowIsBlank(rowCount() - 1)) insertRow(rowCount());
}

void RulesTable::setRules(const std::vector<Rule>& rules) {
    {
        const QSignalBlocker block(this);
        setRowCount(0);
        for (const Rule& rule : rules) {
            const int row = rowCount();
            insertRow(row);
            setItem(row, kTextCol, new QTableWidgetItem(QString::fromStdString(rule.text)));
            setItem(row, kCategoryCol, new QTableWidgetItem(QString::fromStdString(rule.category)));
        }
    }
    keepOneBlankRow();
}

std::vector<Rule> RulesTable::rows() const {
    std::vector<Rule> rules;
    for (int row = 0; row + 1 < rowCount(); ++row) {
        rules.push_back(Rule{text(row, kTextCol).toStdString(), text(row, kCategoryCol).toStdString()});
    }
    return rules;
}

void RulesTable::removeCurrentRule() {
    const int row = currentRow();
    if (row < 0 || row + 1 >= rowCount()) return;
    removeRow(row);
    emit rulesChanged();
}

}  // namespace kakeibo::shell
