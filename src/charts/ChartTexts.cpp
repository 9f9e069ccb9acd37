#include "charts/ChartTexts.h"

#include "messages/Messages.h"

namespace kakeibo {

std::string chartHeading(ChartTab tab, const Book& book) {
    switch (tab) {
    case ChartTab::Week: return book.pnlYearWeek + " 年　第 " + book.pnlWeekWeek + " 週";
    case ChartTab::Month:
        return book.pnlYearSum + " 年 " + book.pnlMonthSum + " 月度　" + book.pnlMonthStart + " ～ " +
               book.pnlMonthLast;
    case ChartTab::Year: return book.pnlYearYear + " 年";
    case ChartTab::History: return "残高の推移";
    }
    return {};
}

std::string chartPictureName(ChartTab tab, const Book& book) {
    switch (tab) {
    case ChartTab::Week: return "Graph-W" + book.pnlYearWeek + "-" + book.pnlWeekWeek + ".png";
    case ChartTab::Month: return "Graph-M" + book.pnlYearSum + "-" + book.pnlMonthSum + ".png";
    case ChartTab::Year: return "Graph-Y" + book.pnlYearYear + ".png";
    case ChartTab::History: return "Graph-History.png";
    }
    return "Graph.png";
}

std::string chartEmptyText(ChartTab tab) {
    switch (tab) {
    case ChartTab::Week: return "この週はまだ集計されていません。\n週間集計の「集計」を押すとグラフになります。";
    case ChartTab::Month: return "この月度はまだ集計されていません。\n月間集計の「集計」を押すとグラフになります。";
    case ChartTab::Year: return "この年はまだ集計されていません。\n年間集計の「集計」を押すとグラフになります。";
    case ChartTab::History:
        return "計算したカードがまだありません。\n日々の記録で「計算する」を押すと残高の推移が描かれます。";
    }
    return {};
}

MsgResult msgPictureNotSaved(UiPort& ui, const std::string& path) {
    return msgWarning(ui, "画像を保存できませんでした\r\n" + path);
}

}  // namespace kakeibo
