#include "app/search/ResultNavigation.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "book/DayDisplay.h"
#include "search/SearchJump.h"

namespace kakeibo::shell {

namespace {

// Puts the caret on a line of a memo box and selects the line.
void selectLine(QPlainTextEdit* memo, int line) {
    if (!memo) return;
    memo->setFocus(Qt::OtherFocusReason);
    const QTextBlock block = memo->document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    memo->ensureCursorVisible();
}

// Focuses a sheet's view on its current cell (the book set it).
void focusCurrentCell(TForm1& form, const Sheet& sheet) {
    auto* view = form.findChild<SheetView*>(QString::fromStdString(sheet.name()));
    if (!view) return;
    view->syncFromSheet();
    view->setFocus(Qt::OtherFocusReason);
    view->scrollTo(view->model()->index(sheet.currentRow(), sheet.currentCol()));
}

bool showCardResult(TForm1& form, const SearchMatch& match) {
    if (!match.date || !findCardIndex(form.book(), *match.date)) return false;
    form.showPage(Page::TabInput);
    bool shown = false;
    form.runCommand([&](Book& book) { shown = showResultCard(book, match); });
    if (!shown) return false;
    if (match.place == SearchPlace::Memo) {
        selectLine(form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1")), match.row);
    } else if (const Sheet* sheet = sheetOfPlace(form.book(), match.place)) {
        focusCurrentCell(form, *sheet);
    }
    return true;
}

bool showCreditResult(TForm1& form, const SearchMatch& match) {
    bool selected = false;
    form.runCommand([&](Book& book) { selected = selectCreditResult(book, match); });
    if (!selected) return false;
    form.showPage(Page::TabCredit);
    focusCurrentCell(form, form.book().GridCredit);
    return true;
}

}  // namespace

bool showResultInWindow(TForm1& form, const SearchMatch& match) {
    bool shown = true;
    switch (match.place) {
        case SearchPlace::Notes:
            form.showPage(Page::TabMemo, SubPage::TabOboe);
            selectLine(form.findChild<QPlainTextEdit*>(QStringLiteral("MemoOboe")), match.row);
            break;
        case SearchPlace::Credit: shown = showCreditResult(form, match); break;
        default: shown = showCardResult(form, match); break;
    }
    if (shown) {
        form.raise();
        form.activateWindow();
    }
    return shown;
}

}  // namespace kakeibo::shell
