#pragma once
// The window "グラフ": the charts of the weekly, monthly and yearly
// summaries and of the balances over time, on the tabs 週 / 月 / 年 / 推移.
// Each tab shows what its summary page holds and follows it as the book
// changes; a tab is built the first time it is shown. The window keeps its
// place, size and tab in the window settings file, in a section of its own.

#include <QWidget>

#include <array>
#include <optional>

#include "app/ChartWindowPort.h"
#include "charts/ChartWindowSettings.h"
#include "dialogs/PrintPath.h"

class QPushButton;
class QTabWidget;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class ChartPage;

class ChartWindow : public QWidget, public ChartWindowPort {
    Q_OBJECT
public:
    // Where the window first opens, from the main window's corner.
    static constexpr QPoint kOffset{60, 60};
    static constexpr QSize kDefaultSize{860, 620};

    ChartWindow(Book& book, QWidget* mainWindow);

    QWidget* widget() override { return this; }
    // Shows and raises the window on tab, or on the tab it last showed.
    void showTab(std::optional<ChartTab> tab) override;
    ChartTab currentTab() const;
    // The page of a tab, built when it was not yet.
    ChartPage* page(ChartTab tab);

    // A command changed the book: the tab on the screen shows it at once,
    // the others when they are next shown.
    void bookChanged() override;

    // "PNG で保存" and "印刷".
    void btnGraphSavePngClick();
    void btnGraphPrintClick();
    // Sends "印刷" into a PDF file even when a printer exists.
    void setPrintToPdf(bool toPdf) { printPath_.setPrintToPdf(toPdf); }

    ChartWindowSettings settings() const;
    // Into the window settings file; a failure leaves the file as it was.
    void writeSettings();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshShown();
    void queueRefresh();
    void updateButtons();
    void place();

    Book& book_;
    QWidget* mainWindow_;
    QTabWidget* tabs_ = nullptr;
    std::array<ChartPage*, 4> pages_{};
    std::array<bool, 4> stale_{};
    QPushButton* savePng_ = nullptr;
    QPushButton* print_ = nullptr;
    ChartWindowSettings saved_;
    PrintPath printPath_;
    bool placed_ = false;
    bool refreshQueued_ = false;
};

}  // namespace kakeibo::shell
