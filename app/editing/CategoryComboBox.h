#pragma once
// The drop-down list of categories that opens over the category cell of an
// entry sheet. It is a chooser, not an editor: the person picks an item
// with the mouse or the arrow keys, and Enter, a double-click or leaving
// it asks for the choice to be written. Any other character key asks the
// same and is dropped, so typing never goes astray in the list.
// Text typed through an input method is meant, though: a conversion
// started over the open list goes to the edit part (the preedit shows
// there, the list closes once the conversion is committed), replacing the
// text shown, and Enter then writes it. What the files could not hold is
// refused as it is committed.

#include <QComboBox>

#include "storage/Cp932.h"

#include <string>
#include <vector>

namespace kakeibo::shell {

class CategoryComboBox : public QComboBox {
    Q_OBJECT
public:
    CategoryComboBox(const QString& name, int visibleLines, QWidget* parent = nullptr);

    // Replaces the items when they differ from the ones shown.
    void setItemTexts(const std::vector<std::string>& items);
    // Shows the cell's text, selecting the item that reads the same.
    void showText(const QString& text);

signals:
    // Enter, a double-click, a character key or the focus leaving.
    void commitRequested();
    // A committed text the files could not hold was refused.
    void textRefused(kakeibo::TextCheck reason);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Whether a key ends the choice: Enter and every key that types.
    static bool endsChoice(const QKeyEvent* event);
    // Takes an input method's event or query meant for the open list to
    // the edit part; false when there is nothing to take.
    bool composeInEditPart(QEvent* event);

    bool composing_ = false;  // a conversion runs in the edit part, the list still open

    std::vector<std::string> items_;
};

}  // namespace kakeibo::shell
