#pragma once
// The history chart's view: the mouse wheel zooms about the pointer, a
// drag selects a stretch to zoom into, a right click goes back to the range
// chosen with the buttons, and the arrow keys pan and zoom. The view only
// reports what was asked; the page works out the new stretch.

#include <QChartView>

namespace kakeibo::shell {

class HistoryChartView : public QChartView {
    Q_OBJECT
public:
    explicit HistoryChartView(QChart* chart, QWidget* parent = nullptr);

signals:
    // factor below 1 narrows; anchor is the date under the pointer.
    void zoomRequested(double factor, double anchor);
    // A pan by this share of the stretch shown (negative: back in time).
    void panRequested(double share);
    void backRequested();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double dateAt(const QPointF& viewPoint) const;
};

}  // namespace kakeibo::shell
