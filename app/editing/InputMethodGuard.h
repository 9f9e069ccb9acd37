#pragma once
// Keeps what a person types through an input method (IBus, Fcitx with
// Mozc or Anthy) from being lost or doubled, in every text field of the
// program. While a conversion is shown uncommitted (the preedit):
//  - Enter reaching the field commits the conversion and does nothing
//    else: it neither walks to the next cell, nor ends a dialog, nor
//    starts a new line. (An input method normally keeps that Enter for
//    itself; some pass it on.)
//  - any other key, a click, or the field losing the focus or hiding
//    first commits the conversion, as typed text, so a field that closes
//    (a sheet's cell editor) takes it along instead of dropping it.
// The input method is asked to commit first; only when it has not, the
// shown preedit is committed here, and the input method told to forget
// it, so the text lands once. What is committed goes through the field's
// own checks as typed text does (the CP932 and byte limits, the amount
// filter).

#include <QObject>
#include <QPointer>
#include <QString>

class QApplication;

namespace kakeibo::shell {

class InputMethodGuard : public QObject {
    Q_OBJECT
public:
    explicit InputMethodGuard(QObject* parent = nullptr) : QObject(parent) {}

    // The object showing a preedit, and the preedit; none when nothing is
    // being converted.
    QObject* composing() const { return composing_; }
    const QString& preedit() const { return preedit_; }

    // Commits the shown preedit (see above). True when there was one.
    bool commitPending();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QObject> composing_;
    QString preedit_;
    bool enterCommitted_ = false;
};

// Installs one guard on the application, for every window and dialog.
InputMethodGuard& installInputMethodGuard(QApplication& app);

}  // namespace kakeibo::shell
