#include "app/charts/HistoryChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace kakeibo::shell {

namespace {

// One notch of the wheel narrows the stretch to four fifths.
constexpr double kZoomPerNotch = 0.8;
constexpr double kPanPerKey = 0.1;

}  // namespace

HistoryChartView::HistoryChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRubberBand(QChartView::HorizontalRubberBand);
    setFocusPolicy(Qt::StrongFocus);
    setRenderHint(QPainter::Antialiasing);
}

double HistoryChartView::dateAt(const QPointF& viewPoint) const {
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(viewPoint.toPoint()))).x();
}

void HistoryChartView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (delta.x() != 0 && std::abs(delta.x()) > std::abs(delta.y())) {
        // A sideways scroll (a touchpad, a tilting wheel) pans.
        emit panRequested(-delta.x() / 120.0 * kPanPerKey);
    } else if (delta.y() != 0) {
        emit zoomRequested(std::pow(kZoomPerNotch, delta.y() / 120.0), dateAt(event->position()));
    }
    event->accept();
}

void HistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // Instead of the view's own step out, back to the chosen range.
        emit backRequested();
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void HistoryChartView::keyPressEvent(QKeyEvent* event) {
    const double middle = (chart()->plotArea().left() + chart()->plotArea().right()) / 2;
    const double anchor = chart()->mapToValue(QPointF(middle, chart()->plotArea().center().y())).x();
    switch (event->key()) {
    case Qt::Key_Left: emit panRequested(-kPanPerKey); break;
    case Qt::Key_Right: emit panRequested(kPanPerKey); break;
    case Qt::Key_Plus:
    case Qt::Key_Up: emit zoomRequested(kZoomPerNotch, anchor); break;
    case Qt::Key_Minus:
    case Qt::Key_Down: emit zoomRequested(1 / kZoomPerNotch, anchor); break;
    default: QChartView::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace kakeibo::shell
