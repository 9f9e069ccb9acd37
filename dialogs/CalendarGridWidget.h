#pragma once
// The calendar's 7 x 7 grid of day buttons (control GridCalender): each
// cell drawn as a raised button with its text centred, a press reporting
// the cell under the mouse. It has no scroll bars and no current cell.

#include <QWidget>

#include "dialogs/CalendarGrid.h"

class QPainter;

namespace kakeibo::shell {

class CalendarGridWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 24;
    static constexpr int kRowHeight = 20;
    static constexpr int kLineWidth = 1;  // the line between two cells

    explicit CalendarGridWidget(QWidget* parent = nullptr);

    CalendarTexts& texts() { return texts_; }
    const CalendarTexts& texts() const { return texts_; }
    // Call after changing texts().
    void refresh() { update(); }

    // The cell's rectangle in this widget's coordinates (without the line
    // below and right of it).
    QRect cellRect(int column, int row) const;
    // The cell under a point, or false when the point lies outside the grid.
    bool cellAt(const QPoint& point, int& column, int& row) const;

    QSize sizeHint() const override;

signals:
    void cellPressed(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawCell(QPainter& painter, int column, int row) const;

    CalendarTexts texts_;
};

}  // namespace kakeibo::shell
