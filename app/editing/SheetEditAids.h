#pragma once
// The editing aids the window adds to its sheets: Enter walking the cells,
// the amount key filter in the cell editor, and the category lists that
// open over column 2 of the three entry sheets. The rules are the book's;
// this class turns keys and selections into them and shows the lists where
// the book's combo state says.

#include <QObject>

#include <array>

#include "book/ComboState.h"

class QInputMethodEvent;
class QKeyEvent;
class QWidget;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class CategoryComboBox;
class SheetView;

class SheetEditAids : public QObject {
    Q_OBJECT
public:
    explicit SheetEditAids(Book& book, QObject* parent = nullptr);

    // Gives a sheet view the aids its sheet takes.
    void attach(SheetView* view);
    // Shows the lists as the book's state says (a command may have closed
    // them) and with the book's current items.
    void sync();
    // Closes every list, as a right click on a sheet does.
    void hideAll();

    // The list of an entry sheet, made when first asked for (nullptr
    // before its view is attached).
    CategoryComboBox* comboBox(CategoryCombo which);

private:
    struct Served {
        CategoryComboBox* box = nullptr;
        SheetView* view = nullptr;
    };

    bool viewKey(SheetView* view, QKeyEvent* event);
    bool editorKey(SheetView* view, QWidget* editor, QKeyEvent* event);
    void enterPressed(SheetView* view);
    // A conversion begun on a category cell with its list closed.
    bool composeOnCategoryCell(SheetView* view, QInputMethodEvent* event);
    // GridShishutuSelectCell: a cell of an entry sheet became current.
    void cellChosen(SheetView* view, int col, int row);
    void showComboBox(CategoryCombo which);
    void makeComboBox(CategoryCombo which);
    // cmbInputCommon over the list's shown text.
    void commit(CategoryCombo which);
    Served& served(CategoryCombo which);

    Book& book_;
    std::array<Served, 3> combos_{};
};

}  // namespace kakeibo::shell
