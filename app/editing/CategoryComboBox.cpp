#include "app/editing/CategoryComboBox.h"

#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/StorableTextValidator.h"

namespace kakeibo::shell {

CategoryComboBox::CategoryComboBox(const QString& name, int visibleLines, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    // An edit part, so a cell text that is not among the items still shows;
    // nothing typed there ever becomes an item.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(visibleLines);
    setFrame(false);
    hide();
    lineEdit()->installEventFilter(this);
    view()->installEventFilter(this);
    // After the list's own container, so this filter sees the combo's keys first.
    installEventFilter(this);
    auto* validator = new StorableTextValidator(kShortTextMaxBytes, this);
    connect(validator, &StorableTextValidator::refused, this,
            [this](TextCheck reason, const QString&) { emit textRefused(reason); });
    setValidator(validator);
}

void CategoryComboBox::setItemTexts(const std::vector<std::string>& items) {
    if (items == items_) return;
    items_ = items;
    const QString shown = currentText();
    clear();
    for (const std::string& item : items) addItem(QString::fromStdString(item));
    showText(shown);
}

void CategoryComboBox::showText(const QString& text) {
    setCurrentIndex(findText(text, Qt::MatchExactly));
    setEditText(text);
}

bool CategoryComboBox::endsChoice(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return true;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return true;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    // Ctrl and Alt chords are commands, not typing.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return text.at(0).isPrint() || text.at(0) == QLatin1Char('\x1b') || text.at(0) == QLatin1Char('\b');
}

bool CategoryComboBox::composeInEditPart(QEvent* event) {
    if (event->type() == QEvent::InputMethodQuery) {
        if (!composing_ && view()->isVisible()) return false;
        // The input method places its candidates by the edit part.
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        for (int bit = 0; bit < 32; ++bit) {
            const auto one = static_cast<Qt::InputMethodQuery>(query->queries().toInt() & (1 << bit));
            if (!one) continue;
            QVariant value = lineEdit()->inputMethodQuery(one);
            if (one == Qt::ImCursorRectangle || one == Qt::ImAnchorRectangle) {
                const QRect rect = value.toRect();
                value = QRect(view()->mapFromGlobal(lineEdit()->mapToGlobal(rect.topLeft())), rect.size());
            }
            query->setValue(one, value);
        }
        query->accept();
        return true;
    }
    auto* input = static_cast<QInputMethodEvent*>(event);
    if (!view()->isVisible()) {
        // The list has closed, but the focus has not come back from it yet.
        QCoreApplication::sendEvent(lineEdit(), input);
        return true;
    }
    if (!composing_) {
        if (input->preeditString().isEmpty() && input->commitString().isEmpty()) return false;
        composing_ = true;
        // What is typed replaces the text shown.
        lineEdit()->selectAll();
    }
    QCoreApplication::sendEvent(lineEdit(), input);
    if (input->preeditString().isEmpty()) {
        // Committed (or given up): the edit part takes the focus, where
        // Enter writes the text and the input method goes on.
        composing_ = false;
        hidePopup();
        // Keys and the input method speak to the window again, not to the
        // closed list.
        activateWindow();
        setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool CategoryComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        // With the list closed, Enter writes the text shown in the edit
        // part (typed through an input method, say), not the item the
        // closed list last had highlighted, which the list's container
        // would put back at the shortcut stage.
        if (event->type() == QEvent::ShortcutOverride && endsChoice(static_cast<QKeyEvent*>(event)) &&
            !view()->isVisible()) {
            event->accept();
            return true;
        }
        return QComboBox::eventFilter(watched, event);
    }
    if (watched == view() && (event->type() == QEvent::InputMethod || event->type() == QEvent::InputMethodQuery)) {
        if (composeInEditPart(event)) return true;
    }
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) return false;  // closes the list, keeps the text
        if (endsChoice(key)) {
            // The highlighted item is the choice.
            // (A key after a conversion, which closed the list, writes
            // what was converted.)
            const QModelIndex highlighted = view()->currentIndex();
            if (highlighted.isValid() && view()->isVisible()) {
                setCurrentIndex(highlighted.row());
                setEditText(itemText(highlighted.row()));
            }
            hidePopup();
            emit commitRequested();
            return true;
        }
    }
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            emit commitRequested();
            return true;
        }
        if (event->type() == QEvent::KeyPress && endsChoice(static_cast<QKeyEvent*>(event))) {
            emit commitRequested();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

bool CategoryComboBox::event(QEvent* event) {
    // Here rather than in keyPressEvent: Tab would move the focus on before
    // that is reached.
    if (event->type() == QEvent::KeyPress && endsChoice(static_cast<QKeyEvent*>(event))) {
        emit commitRequested();
        return true;
    }
    return QComboBox::event(event);
}

void CategoryComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Its own list opening (the list takes the focus), or another program's
    // window, is not leaving it.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    const QWidget* now = QApplication::focusWidget();
    if (view()->isVisible() || (now && view()->window()->isAncestorOf(now))) return;
    // Hidden with its page, it still commits; hidden by a commit, it does not.
    if (!isHidden()) emit commitRequested();
}

}  // namespace kakeibo::shell
