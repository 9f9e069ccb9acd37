#pragma once
// The small widgets every page is made of: the sunken text panels, the
// buttons with their hints, the header and footer bars.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <string>

#include "app/pages/BarIcons.h"
#include "app/pages/PageContext.h"

class QHBoxLayout;

namespace kakeibo::shell {

// Header bars are 33 pixels high, footers 23, the memo caption bar 16.
inline constexpr int kHeaderBarHeight = 33;
inline constexpr int kFooterBarHeight = 23;

// A sunken panel showing one of the book's texts.
QLabel* makeTextPanel(PageContext& ctx, const char* name, std::string Book::*text, int width,
                      QWidget* parent);
// A caption that never changes.
QLabel* makeCaption(const QString& text, QWidget* parent);
QPushButton* makeButton(const char* name, const QString& caption, const QString& hint, QWidget* parent);
// The arrow and bin buttons of the navigation bars: a picture, no caption.
QPushButton* makeIconButton(const char* name, BarIcon icon, const QString& hint, QWidget* parent);
// A raised bar with a row of controls.
QFrame* makeBar(const char* name, int height, QHBoxLayout*& row, QWidget* parent);

// Navigation hints shared by the pages.
inline const QString kHintHead = QStringLiteral("最初のカードに移動");
inline const QString kHintPrev = QStringLiteral("１つ前のカードに移動");
inline const QString kHintNext = QStringLiteral("１つ後ろのカードに移動");
inline const QString kHintTail = QStringLiteral("最後のカードに移動");
inline const QString kHintDelete = QStringLiteral("このカードを捨てる");
inline const QString kHintDentaku = QStringLiteral("２種類の電卓を選べます");

template <typename Button>
void PageContext::onClick(Button* button, void (*command)(Book&)) const {
    auto runner = run;
    QObject::connect(button, &Button::clicked, button, [runner, command] { runner(command); });
}

}  // namespace kakeibo::shell
