#include "app/pages/BookBindings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "app/TextRefusal.h"
#include "book/Book.h"
#include "storage/Cp932.h"

namespace kakeibo::shell {

namespace {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

// The editor holds paragraphs separated by U+2029 internally; toPlainText
// gives "\n", the form the book keeps.
std::string plainText(const QPlainTextEdit* edit) { return edit->toPlainText().toStdString(); }

}  // namespace

BookBindings::BookBindings(Book& book, QObject* parent) : QObject(parent), book_(book) {}

void BookBindings::addPanel(QLabel* label, std::string Book::*text) {
    panels_.push_back({label, text});
    label->setText(toQt(book_.*text));
}

void BookBindings::addMemo(QPlainTextEdit* edit, std::string Book::*text, bool editable) {
    memos_.push_back({edit, text});
    edit->setReadOnly(!editable);
    edit->setPlainText(toQt(book_.*text));
    if (!editable) return;
    const MemoBinding memo{edit, text};
    connect(edit, &QPlainTextEdit::textChanged, this, [this, memo] { memoEdited(memo); });
}

void BookBindings::memoEdited(const MemoBinding& memo) {
    if (refreshing_) return;
    const std::string now = plainText(memo.edit);
    if (now == book_.*memo.text) return;
    if (acceptText(now, kLongTextMaxBytes)) {
        book_.*memo.text = now;
        emit edited();
        return;
    }
    // Take the refused edit back; undo keeps the editor's history when the
    // edit was one step of its own, otherwise the kept text comes back.
    QSignalBlocker block(memo.edit);
    const int caret = memo.edit->textCursor().position();
    if (memo.edit->document()->isUndoAvailable()) {
        memo.edit->undo();
        if (plainText(memo.edit) == book_.*memo.text) return;
        memo.edit->redo();
    }
    memo.edit->setPlainText(toQt(book_.*memo.text));
    QTextCursor cursor = memo.edit->textCursor();
    cursor.setPosition(std::min(caret, static_cast<int>(memo.edit->toPlainText().size())));
    memo.edit->setTextCursor(cursor);
}

bool BookBindings::acceptText(const std::string& text, std::size_t maxBytes) {
    const TextCheck check = checkStorableText(text, maxBytes);
    if (check == TextCheck::Ok) return true;
    book_.ui().showMessage(Message{shell::refusalMessage(check, maxBytes).toStdString(), MsgKind::Warning,
                                   MsgButtons::Ok, 200, 130});
    return false;
}

void BookBindings::addCheck(QCheckBox* box, bool Book::*flag) { addRadio(box, flag); }

void BookBindings::addRadio(QAbstractButton* button, bool Book::*flag) {
    flags_.push_back({button, flag});
    button->setChecked(book_.*flag);
    connect(button, &QAbstractButton::toggled, this, [this, flag](bool on) {
        if (refreshing_) return;
        book_.*flag = on;
        emit optionChanged();
        emit edited();
    });
}

void BookBindings::addBankName(QLineEdit* edit, int account) {
    banks_.push_back({edit, account});
    edit->setText(toQt(book_.EditBank[static_cast<std::size_t>(account)]));
    connect(edit, &QLineEdit::textEdited, this, [this, edit, account](const QString& text) {
        auto& kept = book_.EditBank[static_cast<std::size_t>(account)];
        const std::string now = text.toStdString();
        if (acceptText(now, kShortTextMaxBytes)) {
            kept = now;
            emit edited();
            return;
        }
        const int caret = edit->cursorPosition();
        QSignalBlocker block(edit);
        edit->setText(toQt(kept));
        edit->setCursorPosition(std::min(caret, static_cast<int>(edit->text().size())));
    });
}

void BookBindings::addEnabled(QWidget* widget, bool Book::*flag) {
    enabled_.push_back({widget, flag});
    widget->setEnabled(book_.*flag);
}

void BookBindings::refresh() {
    refreshing_ = true;
    for (const auto& p : panels_) {
        const QString text = toQt(book_.*p.text);
        if (p.label->text() != text) p.label->setText(text);
    }
    for (const auto& m : memos_) {
        if (plainText(m.edit) != book_.*m.text) m.edit->setPlainText(toQt(book_.*m.text));
    }
    for (const auto& f : flags_) {
        if (f.button->isChecked() != book_.*f.flag) f.button->setChecked(book_.*f.flag);
    }
    for (const auto& b : banks_) {
        const QString text = toQt(book_.EditBank[static_cast<std::size_t>(b.account)]);
        if (b.edit->text() != text) b.edit->setText(text);
    }
    for (const auto& e : enabled_) e.widget->setEnabled(book_.*e.flag);
    refreshing_ = false;
}

}  // namespace kakeibo::shell
