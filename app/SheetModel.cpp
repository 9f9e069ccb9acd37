#include "app/SheetModel.h"

#include <string>

namespace kakeibo::shell {

SheetModel::SheetModel(Sheet& sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(&sheet), rows_(sheet.rowCount()), cols_(sheet.colCount()) {
    sheet_->setListener([this](const SheetChange& change) { onSheetChange(change); });
}

SheetModel::~SheetModel() { sheet_->setListener(nullptr); }

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

bool SheetModel::isFixed(int col, int row) const {
    return row < sheet_->fixedRows() || col < sheet_->fixedCols();
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromStdString(sheet_->cell(index.column(), index.row()));
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    std::string text = value.toString().toStdString();
    const TextCheck check = checkStorableText(text, kShortTextMaxBytes);
    if (check != TextCheck::Ok) {
        emit textRefused(index.column(), index.row(), check);
        return false;
    }
    // The sheet reports the change back through onSheetChange.
    sheet_->setCell(index.column(), index.row(), std::move(text));
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    if (isFixed(index.column(), index.row())) return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (sheet_->editable()) flags |= Qt::ItemIsEditable;
    return flags;
}

void SheetModel::onSheetChange(const SheetChange& change) {
    switch (change.kind) {
        case SheetChange::Kind::Cell:
            if (change.col >= 0 && change.col < cols_ && change.row >= 0 && change.row < rows_) {
                const QModelIndex at = index(change.row, change.col);
                emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
            }
            break;
        case SheetChange::Kind::Size:
            followSize();
            break;
        case SheetChange::Kind::Reset:
            beginResetModel();
            rows_ = sheet_->rowCount();
            cols_ = sheet_->colCount();
            endResetModel();
            emit widthsChanged();
            break;
    }
}

void SheetModel::followSize() {
    const int rows = sheet_->rowCount();
    const int cols = sheet_->colCount();
    if (cols != cols_) {
        // A column count changes only while a layout is built: start afresh.
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
    } else if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    emit widthsChanged();
}

}  // namespace kakeibo::shell
