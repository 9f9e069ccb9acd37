#pragma once
// A tab over a summary page's series (週, 月, 年): the period as its
// heading, the charts once the period was summed, else a word on how to sum
// it. It draws again only when the series or the look changed, since the
// book tells of every typed cell.

#include <optional>
#include <string>

#include "app/charts/ChartPage.h"
#include "book/Book.h"
#include "charts/ChartTexts.h"

namespace kakeibo::shell {

template <typename Series, Series (*seriesOf)(const Book&)>
class SummaryChartPage : public ChartPage {
public:
    using ChartPage::ChartPage;

    void refresh(const Book& book) final {
        const std::string heading = chartHeading(tab(), book);
        Series series = seriesOf(book);
        if (!lookChanged(book, heading) && drawn_ == series) return;
        drawn_ = std::move(series);
        setHeading(heading);
        if (!drawn_->summed) {
            showEmpty(chartEmptyText(tab()));
            return;
        }
        showCharts();
        draw(book, *drawn_);
    }

protected:
    // Builds the charts of a summed period.
    virtual void draw(const Book& book, const Series& series) = 0;

private:
    std::optional<Series> drawn_;
};

}  // namespace kakeibo::shell
