#pragma once
// Paints the search results with the program's cell painter: amounts as
// the sheets show them (separators, decimals and red negatives as set),
// texts at the left, the selected row highlighted.

#include <functional>

#include <QStyledItemDelegate>

#include "app/SheetDelegate.h"

namespace kakeibo::shell {

class SearchResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SearchResultDelegate(SheetDelegate::OptionsSource options, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    SheetDelegate::OptionsSource options_;
};

}  // namespace kakeibo::shell
