#include "app/editing/CategoryComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

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

bool CategoryComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) return false;  // closes the list, keeps the text
        if (endsChoice(key)) {
            // The highlighted item is the choice.
            const QModelIndex highlighted = view()->currentIndex();
            if (highlighted.isValid()) {
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
