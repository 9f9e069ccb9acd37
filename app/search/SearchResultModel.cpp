#include "app/search/SearchResultModel.h"

#include "model/Dates.h"

namespace kakeibo::shell {

QString placeCaption(SearchPlace place) {
    switch (place) {
        case SearchPlace::Spend: return QStringLiteral("支出");
        case SearchPlace::Income: return QStringLiteral("収入");
        case SearchPlace::Account: return QStringLiteral("口座");
        case SearchPlace::Memo: return QStringLiteral("メモ");
        case SearchPlace::Notes: return QStringLiteral("覚え書き");
        case SearchPlace::Credit: return QStringLiteral("クレジット");
    }
    return {};
}

void SearchResultModel::setResult(SearchResult result) {
    beginResetModel();
    result_ = std::move(result);
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : result_.count();
}

int SearchResultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const SearchMatch& m = match(index.row());
    const bool hasAmount = isEntryLinePlace(m.place) || m.place == SearchPlace::Credit;
    if (role == AmountRole) return index.column() == ColAmount && hasAmount ? QVariant(m.amount) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case ColDate: return m.date ? QString::fromStdString(dateToText(0, *m.date)) : QString();
        case ColWeekday: return m.date ? QString::fromStdString(getYobiText(weekday(*m.date))) : QString();
        case ColPlace: return placeCaption(m.place);
        case ColText: return QString::fromStdString(m.text);
        case ColCategory:
            if (m.place == SearchPlace::Credit && !m.status.empty())
                return QString::fromStdString(m.category + "（" + m.status + "）");
            return QString::fromStdString(m.category);
        default: return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case ColDate: return QStringLiteral("日付");
        case ColWeekday: return QStringLiteral("曜日");
        case ColPlace: return QStringLiteral("場所");
        case ColText: return QStringLiteral("品名/内容");
        case ColCategory: return QStringLiteral("分類");
        case ColAmount: return QStringLiteral("金額");
        default: return {};
    }
}

}  // namespace kakeibo::shell
