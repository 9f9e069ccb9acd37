#include "app/search/SearchResultDelegate.h"

#include <QPainter>

#include "app/CellPainter.h"
#include "app/search/SearchResultModel.h"

namespace kakeibo::shell {

SearchResultDelegate::SearchResultDelegate(SheetDelegate::OptionsSource options, QObject* parent)
    : QStyledItemDelegate(parent), options_(std::move(options)) {}

void SearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    CellLook look;
    if (index.column() == SearchResultModel::ColAmount) {
        const SheetDisplayOptions display = options_ ? options_() : SheetDisplayOptions{};
        const QVariant amount = index.data(SearchResultModel::AmountRole);
        look = listAmountLook(amount.isValid() ? amount.toDouble() : 0, display.amounts, display.redText, selected);
    } else {
        look = listTextLook(index.data().toString(), selected);
    }
    paintCell(*painter, option.rect, look, option.palette);
}

}  // namespace kakeibo::shell
