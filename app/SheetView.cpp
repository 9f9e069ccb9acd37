#include "app/SheetView.h"

#include <algorithm>

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "app/SheetModel.h"
#include "app/TextRefusal.h"
#include "book/Book.h"

namespace kakeibo::shell {

SheetView::SheetView(Sheet& sheet, const Book& book, QWidget* parent)
    : SheetView(sheet,
                [&book] {
                    return SheetDisplayOptions{book.amountDisplay(), book.chkBoxRedText};
                },
                parent) {}

SheetView::SheetView(Sheet& sheet, SheetDelegate::OptionsSource options, QWidget* parent)
    : QTableView(parent), sheet_(&sheet), model_(new SheetModel(sheet, this)), delegate_(new SheetDelegate(this)) {
    setObjectName(QString::fromStdString(sheet.name()));
    delegate_->setOptionsSource(std::move(options));
    // The headers are set up before the model arrives: sections of fixed
    // size are made without measuring any text, which a sheet of many rows
    // would otherwise pay for at every start.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(kSheetRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setModel(model_);
    setItemDelegate(delegate_);
    // The painter draws the 1-pixel grid lines itself.
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    connect(model_, &SheetModel::widthsChanged, this, &SheetView::applyWidths);
    connect(model_, &QAbstractItemModel::modelReset, this, &SheetView::syncFromSheet);
    connect(model_, &SheetModel::textRefused, this, &SheetView::showRefusal);
    connect(delegate_, &SheetDelegate::editorRefused, this, [this](QWidget*, TextCheck reason) {
        const QModelIndex at = currentIndex();
        showRefusal(at.column(), at.row(), reason);
    });
    syncFromSheet();
}

void SheetView::applyWidths() {
    for (int c = 0; c < sheet_->colCount(); ++c) {
        if (horizontalHeader()->sectionSize(c) != sheet_->colWidth(c)) {
            horizontalHeader()->resizeSection(c, sheet_->colWidth(c));
        }
    }
}

void SheetView::syncFromSheet() {
    applyWidths();
    setTabKeyNavigation(sheet_->tabMoves());
    const int col = sheet_->currentCol();
    const int row = sheet_->currentRow();
    if (col < 0 || row < 0 || col >= model_->columnCount() || row >= model_->rowCount()) return;
    syncing_ = true;
    const QModelIndex at = model_->index(row, col);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void SheetView::selectCell(int col, int row) {
    sheet_->setCurrentCell(col, row);
    syncFromSheet();
}

QPoint SheetView::cellAt(const QPoint& viewportPos) const {
    const QModelIndex at = indexAt(viewportPos);
    return at.isValid() ? QPoint(at.column(), at.row()) : QPoint(-1, -1);
}

QRect SheetView::cellRect(int col, int row) const { return visualRect(model_->index(row, col)); }

bool SheetView::filterKey(QKeyEvent* event) { return keyHook_ && keyHook_(event); }

void SheetView::setEditorKeyHook(EditorKeyHook hook) { delegate_->setEditorKeyHook(std::move(hook)); }

void SheetView::setInputMethodPermission(EditPermission permission) {
    inputMethodPermission_ = std::move(permission);
    if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}

bool SheetView::inputMethodAllowed() const {
    const QModelIndex at = currentIndex();
    return !inputMethodPermission_ || !at.isValid() || inputMethodPermission_(at.column(), at.row());
}

QVariant SheetView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return testAttribute(Qt::WA_InputMethodEnabled) && inputMethodAllowed();
    return QTableView::inputMethodQuery(query);
}

void SheetView::inputMethodEvent(QInputMethodEvent* event) {
    if (state() != EditingState && inputMethodHook_ && inputMethodHook_(event)) return;
    // A commit with no conversion shown before it (a symbol, a character
    // typed in the input method's direct mode) opens the cell's editor as
    // a typed key does, and lands there.
    const bool commitAlone = !event->commitString().isEmpty() && event->preeditString().isEmpty();
    if (state() != EditingState && commitAlone && currentIndex().isValid()) {
        if (edit(currentIndex(), AnyKeyPressed, nullptr)) {
            if (QWidget* editor = QApplication::focusWidget(); editor && editor != this) {
                QCoreApplication::sendEvent(editor, event);
            }
        }
        return;
    }
    QTableView::inputMethodEvent(event);
}

bool SheetView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && editPermission_ && !editPermission_(index.column(), index.row())) return false;
    return QTableView::edit(index, trigger, event);
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (filterKey(event)) return;
    QTableView::keyPressEvent(event);
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    const int col = at.isValid() ? at.column() : -1;
    const int row = at.isValid() ? at.row() : -1;
    const bool alone = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0 &&
                       event->buttons() == event->button();
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        if (alone) emit rightClicked(col, row, event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton && alone) emit leftPressed(col, row);
    // A fixed cell is a caption: clicking it moves nothing.
    if (at.isValid() && model_->isFixed(col, row)) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTableView::mousePressEvent(event);
}

void SheetView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void SheetView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

void SheetView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid()) return;
    // The input method goes on or off with the cell, whoever moved it.
    if (inputMethodPermission_ && hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    if (syncing_) return;
    sheet_->setCurrentCell(current.column(), current.row());
    emit cellSelected(current.column(), current.row());
}

QModelIndex SheetView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!next.isValid()) return next;
    // The cursor stays in the data cells, off the captions.
    const int row = std::max(next.row(), std::min(sheet_->fixedRows(), model_->rowCount() - 1));
    const int col = std::max(next.column(), std::min(sheet_->fixedCols(), model_->columnCount() - 1));
    return model_->index(row, col);
}

void SheetView::showRefusal(int col, int row, TextCheck reason) {
    const QString message = refusalMessage(reason, kShortTextMaxBytes);
    QApplication::beep();
    const QRect rect = cellRect(col, row);
    QToolTip::showText(viewport()->mapToGlobal(rect.bottomLeft()), message, this);
    emit textRefused(message);
}

}  // namespace kakeibo::shell
