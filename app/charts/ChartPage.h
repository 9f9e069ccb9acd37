#pragma once
// One tab of the graph window: the period it shows as a heading, its charts
// below, or a word on what to do while there is nothing to draw. The
// heading and the charts together are the picture that "PNG で保存" and
// "印刷" take; controls a page adds around them stay out of it.

#include <QWidget>

#include <optional>
#include <string>

#include "app/charts/ChartLook.h"
#include "charts/ChartWindowSettings.h"

class QLabel;
class QScrollArea;
class QStackedWidget;
class QVBoxLayout;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(ChartTab tab, const char* name, QWidget* parent);

    ChartTab tab() const { return tab_; }
    // Shows what the book holds now.
    virtual void refresh(const Book& book) = 0;
    // The heading and the charts, drawn at their full size however little
    // of them the window shows.
    QWidget* pictureArea() const { return content_; }
    // Whether there is a chart to take a picture of.
    bool hasChart() const;

protected:
    // The page's outer layout (controls above or below the picture) and the
    // layout of the charts within the picture.
    QVBoxLayout* pageLayout() const { return pageLayout_; }
    QVBoxLayout* chartLayout() const { return chartLayout_; }
    void setHeading(const std::string& text);
    // Whether the book shows differently from the last drawing: another
    // heading, amount display or theme. Remembers this one. A page draws
    // again only when this or its series changed, since the book tells of
    // every typed cell.
    bool lookChanged(const Book& book, const std::string& heading);
    // Shows the charts, or text in their place.
    void showCharts();
    void showEmpty(const std::string& text);
    // The least height the charts need to be read (the page scrolls below it).
    void setChartMinimumHeight(int height);
    ChartColours colours() const;

private:
    ChartTab tab_;
    QVBoxLayout* pageLayout_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    QLabel* heading_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QWidget* charts_ = nullptr;
    QVBoxLayout* chartLayout_ = nullptr;
    QLabel* empty_ = nullptr;
    std::string drawnHeading_;
    AmountDisplay drawnDisplay_;
    std::optional<bool> drawnDark_;
};


}  // namespace kakeibo::shell
