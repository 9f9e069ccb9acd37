#include "app/pages/PageWidgets.h"

#include <QHBoxLayout>

#include "app/pages/BookBindings.h"

namespace kakeibo::shell {

QLabel* makeTextPanel(PageContext& ctx, const char* name, std::string Book::*text, int width,
                      QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    if (width > 0) label->setFixedWidth(width);
    ctx.bindings.addPanel(label, text);
    return label;
}

QLabel* makeCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

QPushButton* makeButton(const char* name, const QString& caption, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

QPushButton* makeIconButton(const char* name, BarIcon icon, const QString& hint, QWidget* parent) {
    auto* button = makeButton(name, QString(), hint, parent);
    button->setIcon(barIcon(icon));
    button->setFixedWidth(28);
    return button;
}

QFrame* makeBar(const char* name, int height, QHBoxLayout*& row, QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setFixedHeight(height);
    row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(3);
    return bar;
}

}  // namespace kakeibo::shell
