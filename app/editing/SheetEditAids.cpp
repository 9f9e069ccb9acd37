#include "app/editing/SheetEditAids.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/SheetView.h"
#include "app/editing/AmountTextValidator.h"
#include "app/editing/CategoryComboBox.h"
#include "book/Book.h"
#include "book/SheetEditing.h"
#include "storage/Cp932.h"

namespace kakeibo::shell {

namespace {

bool isEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == 0;
}

// The one character a key types, or 0 for keys that type nothing (arrows,
// Delete, chords with Ctrl or Alt).
char32_t typedCharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (event->key() == Qt::Key_Backspace) return kBackspaceKey;
    const QList<uint> text = event->text().toUcs4();
    if (text.size() != 1 || !QChar::isPrint(static_cast<char32_t>(text[0]))) return 0;
    return static_cast<char32_t>(text[0]);
}

struct ListLook {
    const char* name;
    int visibleLines;
    std::vector<std::string> Book::*items;
};

ListLook lookOf(CategoryCombo which) {
    switch (which) {
    case CategoryCombo::Shishutu:
        return {"cmbShishutu", 16, &Book::cmbShishutu};
    case CategoryCombo::ShuNyu:
        return {"cmbShuNyu", 12, &Book::cmbShuNyu};
    default:
        return {"cmbKoza", 12, &Book::cmbKoza};
    }
}

// The three lists' places in combos_.
std::size_t slotOf(CategoryCombo which) { return static_cast<std::size_t>(which) - 1; }

}  // namespace

SheetEditAids::SheetEditAids(Book& book, QObject* parent) : QObject(parent), book_(book) {}

SheetEditAids::Served& SheetEditAids::served(CategoryCombo which) { return combos_[slotOf(which)]; }

CategoryComboBox* SheetEditAids::comboBox(CategoryCombo which) {
    if (which == CategoryCombo::None) return nullptr;
    Served& s = served(which);
    if (!s.box && s.view) makeComboBox(which);
    return s.box;
}

// A list is made when it is first opened: the start shows none of them,
// and each one (its edit line, completer and popup view) cost the first
// paint about half a millisecond.
void SheetEditAids::makeComboBox(CategoryCombo which) {
    Served& s = served(which);
    SheetView* view = s.view;
    const ListLook look = lookOf(which);
    s.box = new CategoryComboBox(QString::fromLatin1(look.name), look.visibleLines, view->viewport());
    s.box->setItemTexts(book_.*look.items);
    connect(s.box, &CategoryComboBox::commitRequested, this, [this, which] { commit(which); });
    connect(s.box, &CategoryComboBox::textRefused, view,
            [this, view](TextCheck reason) { view->showRefusal(book_.combo.col, book_.combo.row, reason); });
}

void SheetEditAids::attach(SheetView* view) {
    const std::string name = view->sheet().name();
    if (walksOnEnter(name)) {
        view->setKeyHook([this, view](QKeyEvent* event) { return viewKey(view, event); });
        view->setEditorKeyHook(
            [this, view](QWidget* editor, QKeyEvent* event) { return editorKey(view, editor, event); });
        // Amount cells keep the input method off, so digits go in as they
        // are typed, whatever mode the input method is in.
        view->setInputMethodPermission(
            [view](int col, int row) { return !needsNumericFilter(view->sheet(), col, row); });
        view->setEditorHook([view](QLineEdit* editor, int col, int row) {
            if (!needsNumericFilter(view->sheet(), col, row)) return;
            // Digits come as keys, which the filter sees; what is pasted,
            // dropped or committed by an input method all the same is
            // cleaned by the validator.
            editor->setAttribute(Qt::WA_InputMethodEnabled, false);
            editor->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
            editor->setValidator(new AmountTextValidator(editor));
        });
    }
    const CategoryCombo which = categoryComboOf(view->sheet());
    if (which == CategoryCombo::None) return;

    served(which) = Served{nullptr, view};
    view->setInputMethodHook([this, view](QInputMethodEvent* event) { return composeOnCategoryCell(view, event); });
    connect(view, &SheetView::cellSelected, this, [this, view](int col, int row) { cellChosen(view, col, row); });
    // The list is the editor of its column.
    view->setEditPermission([](int col, int) { return col != 2; });
}

void SheetEditAids::sync() {
    for (CategoryCombo which : {CategoryCombo::Shishutu, CategoryCombo::ShuNyu, CategoryCombo::Koza}) {
        Served& s = served(which);
        if (!s.box) continue;
        s.box->setItemTexts(book_.*lookOf(which).items);
        if (book_.combo.open != which && !s.box->isHidden()) {
            s.box->hidePopup();
            if (s.box->hasFocus()) s.view->setFocus(Qt::OtherFocusReason);
            s.box->hide();
        }
    }
}

void SheetEditAids::hideAll() {
    hideAllCombo(book_);
    sync();
}

bool SheetEditAids::viewKey(SheetView* view, QKeyEvent* event) {
    if (isEnter(event)) {
        enterPressed(view);
        return true;
    }
    // Typing on a category cell opens its list; the key itself is not a choice.
    const Sheet& sheet = view->sheet();
    if (categoryComboOf(sheet) != CategoryCombo::None && sheet.currentCol() == 2 && typedCharacter(event)) {
        cellChosen(view, sheet.currentCol(), sheet.currentRow());
        return true;
    }
    return false;
}

bool SheetEditAids::editorKey(SheetView* view, QWidget* editor, QKeyEvent* event) {
    if (isEnter(event)) {
        // The text goes in, then Enter walks on as it does outside the editor.
        emit view->sheetDelegate()->commitData(editor);
        emit view->sheetDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
        enterPressed(view);
        return true;
    }
    const char32_t key = typedCharacter(event);
    const Sheet& sheet = view->sheet();
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!key || !line || !needsNumericFilter(sheet, sheet.currentCol(), sheet.currentRow())) return false;
    // The filter judges the text the key lands in: a selection is replaced.
    QString kept = line->text();
    int caret = line->cursorPosition();
    if (line->hasSelectedText()) {
        caret = line->selectionStart();
        kept.remove(caret, line->selectedText().size());
        if (key == kBackspaceKey) return false;
    }
    const QByteArray utf8 = kept.toUtf8();
    const int caretBytes = static_cast<int>(kept.left(caret).toUtf8().size());
    return !limitOnlyNumeric(key, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                             caretBytes);
}

bool SheetEditAids::composeOnCategoryCell(SheetView* view, QInputMethodEvent* event) {
    const Sheet& sheet = view->sheet();
    const CategoryCombo which = categoryComboOf(sheet);
    if (sheet.currentCol() != 2 || (event->preeditString().isEmpty() && event->commitString().isEmpty())) {
        return false;
    }
    // As a typed key opens the list, so does a conversion; the conversion
    // itself goes on in the list's edit part.
    gridSelectCellCommon(book_.combo, which, sheet.currentCol(), sheet.currentRow());
    if (book_.combo.open != which) return false;
    showComboBox(which);
    QCoreApplication::sendEvent(served(which).box->view(), event);
    return true;
}

void SheetEditAids::enterPressed(SheetView* view) {
    const CellPos next = moveToNextCell(view->sheet());
    view->syncFromSheet();
    cellChosen(view, next.col, next.row);
}

void SheetEditAids::cellChosen(SheetView* view, int col, int row) {
    const CategoryCombo which = categoryComboOf(view->sheet());
    if (which == CategoryCombo::None) return;
    gridSelectCellCommon(book_.combo, which, col, row);
    if (book_.combo.open != which) {
        sync();
        return;
    }
    // The list takes the focus once the key or click that moved the cell
    // is done with the sheet.
    const ComboState opened = book_.combo;
    QMetaObject::invokeMethod(
        this,
        [this, which, opened] {
            if (book_.combo == opened) showComboBox(which);
        },
        Qt::QueuedConnection);
}

void SheetEditAids::showComboBox(CategoryCombo which) {
    Served& s = served(which);
    if (!s.box) makeComboBox(which);
    // Only one list is ever shown.
    for (Served& other : combos_) {
        if (!other.box || other.box == s.box || other.box->isHidden()) continue;
        if (other.box->hasFocus()) s.view->setFocus(Qt::OtherFocusReason);
        other.box->hide();
    }
    const Sheet& sheet = s.view->sheet();
    s.view->scrollTo(s.view->model()->index(book_.combo.row, book_.combo.col));
    s.box->hidePopup();
    s.box->setGeometry(s.view->cellRect(book_.combo.col, book_.combo.row));
    s.box->showText(QString::fromStdString(sheet.cell(book_.combo.col, book_.combo.row)));
    s.box->show();
    s.box->raise();
    s.box->setFocus(Qt::OtherFocusReason);
    s.box->showPopup();
}

void SheetEditAids::commit(CategoryCombo which) {
    Served& s = served(which);
    if (book_.combo.open != which) return;
    Sheet& sheet = s.view->sheet();
    std::string text = s.box->currentText().toStdString();
    if (checkStorableText(text, kShortTextMaxBytes) != TextCheck::Ok) {
        // Only typed text can be unstorable; the cell keeps what it had.
        QApplication::beep();
        text = sheet.cell(book_.combo.col, book_.combo.row);
    }
    cmbInputCommon(sheet, book_.combo, text);
    // The sheet takes the focus before the list hides: a focused widget
    // that hides passes the focus on as Tab would, which moves the cell.
    s.box->hidePopup();
    s.view->syncFromSheet();
    s.view->setFocus(Qt::OtherFocusReason);
    s.box->hide();
    s.view->viewport()->update();
}

}  // namespace kakeibo::shell
