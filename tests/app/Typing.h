#pragma once
// Typing as a person does, for the tests of the windows and dialogs.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace kakeibo::testing {

// Types text into target (focused first) as a keyboard does: ASCII as key
// presses, Japanese as the input method commits it.
inline void typeText(QWidget* target, const QString& text) {
    target->setFocus();
    QString composed;
    const auto commit = [&] {
        if (composed.isEmpty()) return;
        QInputMethodEvent event;
        event.setCommitString(composed);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        composed.clear();
    };
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            commit();
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        } else {
            composed += c;
        }
    }
    commit();
}

// The offscreen platform does not activate a window shown beside another
// one by itself, as a desktop does.
inline void makeActive(QWidget* window) {
    window->windowHandle()->requestActivate();
    if (!QTest::qWaitFor([window] { return window->isActiveWindow(); })) {
        qWarning("%s is not active", qPrintable(window->objectName()));
    }
}

}  // namespace kakeibo::testing
