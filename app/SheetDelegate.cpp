#include "app/SheetDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "app/CellPainter.h"
#include "app/SheetModel.h"
#include "app/StorableTextValidator.h"

namespace kakeibo::shell {

SheetDelegate::SheetDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const auto* model = qobject_cast<const SheetModel*>(index.model());
    if (!model) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const SheetDisplayOptions shown = options_ ? options_() : SheetDisplayOptions{};
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.widget && option.widget->hasFocus();
    const CellLook look =
        cellLook(model->sheet(), index.column(), index.row(), selected, focused, shown.amounts, shown.redText);
    painter->setFont(option.font);
    paintCell(*painter, option.rect, look, option.palette);
}

QWidget* SheetDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setFont(option.font);
    // The stored text: amounts are typed and kept as plain numbers.
    editor->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* validator = new StorableTextValidator(kShortTextMaxBytes, editor);
    connect(validator, &StorableTextValidator::refused, this,
            [this, editor](TextCheck reason, const QString&) { emit editorRefused(editor, reason); });
    editor->setValidator(validator);
    if (editorHook_) editorHook_(editor, index.column(), index.row());
    return editor;
}

void SheetDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    Q_UNUSED(index);
    editor->setGeometry(option.rect.adjusted(0, 0, -1, -1));
}

bool SheetDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (event->type() == QEvent::KeyPress && editorKeyHook_ && editor &&
        editorKeyHook_(editor, static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace kakeibo::shell
