#include "app/editing/InputMethodGuard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kakeibo::shell {

namespace {

bool isEnter(const QEvent* event, QEvent::Type type = QEvent::KeyPress) {
    if (event->type() != type) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Events after which a shown preedit would be dropped or left behind.
bool endsComposition(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusOut:
    case QEvent::Hide:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool InputMethodGuard::commitPending() {
    if (!composing_ || preedit_.isEmpty()) return false;
    QPointer<QObject> target = composing_;
    const QString text = preedit_;
    // The input method's own commit arrives at once (through this filter)
    // when it has one to give.
    if (QGuiApplication::focusObject() == target) QGuiApplication::inputMethod()->commit();
    if (composing_ == target && preedit_ == text && target) {
        composing_.clear();
        preedit_.clear();
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(target, &commit);
        QGuiApplication::inputMethod()->reset();
    }
    return true;
}

bool InputMethodGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::InputMethod) {
        // The input method speaks to the focus; what a widget passes on to
        // another (a view to its cell editor) is the same conversion.
        if (watched != QGuiApplication::focusObject()) return false;
        const auto* input = static_cast<const QInputMethodEvent*>(event);
        if (!input->preeditString().isEmpty()) {
            composing_ = watched;
            preedit_ = input->preeditString();
        } else if (watched == composing_) {
            composing_.clear();
            preedit_.clear();
        }
        return false;
    }
    // The key press of an Enter that has committed a conversion at its
    // shortcut stage (where an open list would take it as a choice).
    if (event->type() == QEvent::KeyPress && enterCommitted_) {
        enterCommitted_ = false;
        if (isEnter(event)) return true;
    }
    if (!composing_ || preedit_.isEmpty()) return false;
    if (isEnter(event, QEvent::ShortcutOverride)) {
        commitPending();
        enterCommitted_ = true;
        event->accept();
        return true;
    }
    if (!endsComposition(event)) return false;
    // Only the composing widget's own events: a key reaches the focus, and
    // a focus change or click elsewhere takes its own course after the
    // commit below has made the text the field's.
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* composingWidget = qobject_cast<QWidget*>(composing_.data());
    const bool ours = watched == composing_ ||
                      (widget && composingWidget && event->type() == QEvent::KeyPress &&
                       (widget->isAncestorOf(composingWidget) || composingWidget->isAncestorOf(widget)));
    const bool elsewhere = event->type() == QEvent::MouseButtonPress && widget && composingWidget &&
                           widget->window() == composingWidget->window();
    if (!ours && !elsewhere) return false;
    commitPending();
    // The Enter that ends a conversion is the conversion's.
    return isEnter(event);
}

InputMethodGuard& installInputMethodGuard(QApplication& app) {
    auto* guard = new InputMethodGuard(&app);
    app.installEventFilter(guard);
    return *guard;
}

}  // namespace kakeibo::shell
