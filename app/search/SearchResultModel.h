#pragma once
// The search window's table: a thin model over the core's search result,
// one row a match, the columns 日付, 曜日, 場所, 品名/内容, 分類, 金額. The
// texts are made for the rows on screen only; amounts stay numbers for the
// cell painter.

#include <QAbstractTableModel>

#include "search/SearchResult.h"

namespace kakeibo::shell {

class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColDate, ColWeekday, ColPlace, ColText, ColCategory, ColAmount, ColumnCount };
    // The amount of a row, as a double, for the painter (no text of its own).
    static constexpr int AmountRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setResult(SearchResult result);
    const SearchResult& result() const { return result_; }
    const SearchMatch& match(int row) const { return result_.matches[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SearchResult result_;
};

// The caption of a place in the table and on its check box.
QString placeCaption(SearchPlace place);

}  // namespace kakeibo::shell
