#pragma once
// GridShishutuDrawCell: the delegate every sheet view paints with. It asks
// its display-options source at each paint, so a change of the number
// options shows at the next repaint.

#include <functional>

#include <QStyledItemDelegate>

class QLineEdit;

#include "sheets/AmountText.h"
#include "storage/Cp932.h"

namespace kakeibo::shell {

struct SheetDisplayOptions {
    AmountDisplay amounts;  // chkBoxComma, chkBoxFloat
    bool redText = false;   // chkBoxRedText
};

class SheetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using OptionsSource = std::function<SheetDisplayOptions()>;
    using EditorKeyHook = std::function<bool(QWidget* editor, QKeyEvent*)>;
    using EditorHook = std::function<void(QLineEdit* editor, int col, int row)>;

    explicit SheetDelegate(QObject* parent = nullptr);

    void setOptionsSource(OptionsSource source) { options_ = std::move(source); }
    // Sees every key pressed in a cell editor first; true consumes the key.
    void setEditorKeyHook(EditorKeyHook hook) { editorKeyHook_ = std::move(hook); }
    // Sees every cell editor made, before it shows (to give it a validator
    // of its own).
    void setEditorHook(EditorHook hook) { editorHook_ = std::move(hook); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    // The editor refused a typed or pasted text.
    void editorRefused(QWidget* editor, kakeibo::TextCheck reason) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    OptionsSource options_;
    EditorKeyHook editorKeyHook_;
    EditorHook editorHook_;
};

}  // namespace kakeibo::shell
