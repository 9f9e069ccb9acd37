#include "app/charts/ChartPage.h"

#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "book/Book.h"

namespace kakeibo::shell {

ChartPage::ChartPage(ChartTab tab, const char* name, QWidget* parent) : QWidget(parent), tab_(tab) {
    setObjectName(QString::fromLatin1(name));
    pageLayout_ = new QVBoxLayout(this);
    pageLayout_->setContentsMargins(6, 6, 6, 6);

    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    content_ = new QWidget;
    content_->setObjectName(objectName() + QStringLiteral("Picture"));
    content_->setAutoFillBackground(true);
    auto* contentLayout = new QVBoxLayout(content_);
    contentLayout->setContentsMargins(4, 4, 4, 4);
    heading_ = new QLabel(content_);
    heading_->setObjectName(objectName() + QStringLiteral("Heading"));
    heading_->setFont(chartFont(15, true));
    contentLayout->addWidget(heading_);

    stack_ = new QStackedWidget(content_);
    charts_ = new QWidget;
    chartLayout_ = new QVBoxLayout(charts_);
    chartLayout_->setContentsMargins(0, 0, 0, 0);
    empty_ = new QLabel;
    empty_->setObjectName(objectName() + QStringLiteral("Empty"));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    empty_->setFont(chartFont(14));
    stack_->addWidget(charts_);
    stack_->addWidget(empty_);
    contentLayout->addWidget(stack_, 1);
    scroll_->setWidget(content_);
    pageLayout_->addWidget(scroll_, 1);
}

bool ChartPage::hasChart() const { return stack_->currentWidget() == charts_; }

void ChartPage::setHeading(const std::string& text) { heading_->setText(QString::fromStdString(text)); }

bool ChartPage::lookChanged(const Book& book, const std::string& heading) {
    const AmountDisplay display = book.amountDisplay();
    const bool dark = colours().dark;
    const bool changed = heading != drawnHeading_ || display.comma != drawnDisplay_.comma ||
                         display.twoDecimals != drawnDisplay_.twoDecimals || drawnDark_ != dark;
    drawnHeading_ = heading;
    drawnDisplay_ = display;
    drawnDark_ = dark;
    return changed;
}

void ChartPage::showCharts() { stack_->setCurrentWidget(charts_); }

void ChartPage::showEmpty(const std::string& text) {
    empty_->setText(QString::fromStdString(text));
    stack_->setCurrentWidget(empty_);
}

void ChartPage::setChartMinimumHeight(int height) { charts_->setMinimumHeight(height); }

ChartColours ChartPage::colours() const { return chartColours(palette()); }

}  // namespace kakeibo::shell
