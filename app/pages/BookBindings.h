#pragma once
// Keeps the widgets that show the book's texts and options in step with
// the book: what a person types or ticks goes into the book at once (so
// every command of the book sees it), and refresh() shows what the book's
// commands wrote. Typed text that the files could not hold is refused.

#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kakeibo {
class Book;
}  // namespace kakeibo

namespace kakeibo::shell {

class BookBindings : public QObject {
    Q_OBJECT
public:
    explicit BookBindings(Book& book, QObject* parent = nullptr);

    void addPanel(QLabel* label, std::string Book::*text);
    // An editable memo takes what is typed, up to the memo byte limit; a
    // read-only one only shows.
    void addMemo(QPlainTextEdit* edit, std::string Book::*text, bool editable);
    void addCheck(QCheckBox* box, bool Book::*flag);
    void addRadio(QAbstractButton* button, bool Book::*flag);
    void addBankName(QLineEdit* edit, int account);
    // A widget enabled while the book's flag is set.
    void addEnabled(QWidget* widget, bool Book::*flag);

    // Shows the book's texts and options; a widget that already shows the
    // book's value is left alone (so a memo keeps its caret and undo).
    void refresh();

    // Whether a typed text can be kept; shows the refusal when not.
    bool acceptText(const std::string& text, std::size_t maxBytes);

signals:
    // An option was ticked (after the book took it).
    void optionChanged();
    // Something the person typed or ticked went into the book.
    void edited();

private:
    struct PanelBinding { QLabel* label; std::string Book::*text; };
    struct MemoBinding { QPlainTextEdit* edit; std::string Book::*text; };
    struct FlagBinding { QAbstractButton* button; bool Book::*flag; };
    struct BankBinding { QLineEdit* edit; int account; };
    struct EnabledBinding { QWidget* widget; bool Book::*flag; };

    void memoEdited(const MemoBinding& memo);

    Book& book_;
    std::vector<PanelBinding> panels_;
    std::vector<MemoBinding> memos_;
    std::vector<FlagBinding> flags_;
    std::vector<BankBinding> banks_;
    std::vector<EnabledBinding> enabled_;
    bool refreshing_ = false;
};

}  // namespace kakeibo::shell
