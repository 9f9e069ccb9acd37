#pragma once
// A table view of one core sheet: no headers of its own (the sheet's fixed
// rows and columns are its headers), rows 20 pixels high, the sheet's own
// column widths, the cell painter, and a one-line cell editor that writes
// into the sheet. The current cell is the sheet's current cell. Hooks let
// the main window attach its key filter, combos and pop-up menu.

#include <functional>

#include <QTableView>

#include "sheets/Sheet.h"
#include "app/SheetDelegate.h"

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class SheetModel;

inline constexpr int kSheetRowHeight = 20;

class SheetView : public QTableView {
    Q_OBJECT
public:
    using KeyHook = std::function<bool(QKeyEvent*)>;
    using EditorKeyHook = std::function<bool(QWidget* editor, QKeyEvent*)>;
    using EditPermission = std::function<bool(int col, int row)>;
    using InputMethodHook = std::function<bool(QInputMethodEvent*)>;

    // The display options are read from book at each paint.
    SheetView(Sheet& sheet, const Book& book, QWidget* parent = nullptr);
    SheetView(Sheet& sheet, SheetDelegate::OptionsSource options, QWidget* parent = nullptr);

    Sheet& sheet() const { return *sheet_; }
    SheetModel* sheetModel() const { return model_; }
    SheetDelegate* sheetDelegate() const { return delegate_; }

    // Makes (col, row) the current cell of the sheet and of the view.
    void selectCell(int col, int row);
    // Takes the current cell, the Tab setting and the widths from the sheet
    // (after the logic moved them).
    void syncFromSheet();
    // The cell under a point of the viewport, or (-1, -1).
    QPoint cellAt(const QPoint& viewportPos) const;
    // The rectangle of a cell in viewport coordinates.
    QRect cellRect(int col, int row) const;

    // Sees every key pressed on the view before the view does; true
    // consumes it. The default asks keyHook.
    virtual bool filterKey(QKeyEvent* event);
    void setKeyHook(KeyHook hook) { keyHook_ = std::move(hook); }
    // Sees every key pressed in the cell editor first.
    void setEditorKeyHook(EditorKeyHook hook);
    // Sees every cell editor made (see SheetDelegate::setEditorHook).
    void setEditorHook(SheetDelegate::EditorHook hook) { delegate_->setEditorHook(std::move(hook)); }
    // Cells for which the permission says no open no cell editor (a
    // drop-down list edits them instead).
    void setEditPermission(EditPermission permission) { editPermission_ = std::move(permission); }
    // Cells for which the permission says no keep the input method off
    // (amount cells take digits as they are typed).
    void setInputMethodPermission(EditPermission permission);
    // Sees what an input method sends while no cell editor is open (the
    // first conversion on a cell); true takes it.
    void setInputMethodHook(InputMethodHook hook) { inputMethodHook_ = std::move(hook); }

    // Says why a typed text was refused, at a cell.
    void showRefusal(int col, int row, TextCheck reason);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // The person moved the current cell (not the book: syncFromSheet is silent).
    void cellSelected(int col, int row);
    // The left or the right button pressed alone, with no Shift, Ctrl or Alt.
    void leftPressed(int col, int row);
    void rightClicked(int col, int row, QPoint globalPos);
    // A typed text was refused; message says why, in a few words.
    void textRefused(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // A sheet is typed into, never searched by typing: a key or a
    // conversion on a cell that takes no text must not move the cursor.
    void keyboardSearch(const QString&) override {}

private:
    void applyWidths();
    bool inputMethodAllowed() const;

    Sheet* sheet_;
    SheetModel* model_;
    SheetDelegate* delegate_;
    KeyHook keyHook_;
    EditPermission editPermission_;
    EditPermission inputMethodPermission_;
    InputMethodHook inputMethodHook_;
    bool syncing_ = false;
};

}  // namespace kakeibo::shell
