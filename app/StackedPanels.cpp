#include "app/StackedPanels.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QSplitterHandle>
#include <QVBoxLayout>

#include <algorithm>

namespace kakeibo::shell {

namespace {

// A bar follows the pointer by exactly the distance it moved since the
// press (Qt's own handle, widened for grabbing, starts one pixel off).
class DragBar : public QSplitterHandle {
public:
    using QSplitterHandle::QSplitterHandle;
    QSize sizeHint() const override { return {StackedPanels::kBarHeight, StackedPanels::kBarHeight}; }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        pressY_ = event->globalPosition().y();
        startPos_ = barPosition();
        dragging_ = true;
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
        moveSplitter(startPos_ + qRound(event->globalPosition().y() - pressY_));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) dragging_ = false;
    }

private:
    // The bar's top edge in the stack: the panels and bars above it.
    int barPosition() const {
        const int index = splitter()->indexOf(const_cast<DragBar*>(this));
        const QList<int> sizes = splitter()->sizes();
        int pos = 0;
        for (int k = 0; k < index && k < sizes.size(); ++k) pos += sizes[k] + (k > 0 ? splitter()->handleWidth() : 0);
        return pos;
    }

    qreal pressY_ = 0;
    int startPos_ = 0;
    bool dragging_ = false;
};

}  // namespace

QSplitterHandle* StackedPanels::createHandle() { return new DragBar(orientation(), this); }

StackedPanels::StackedPanels(const QString& name, QWidget* parent) : QSplitter(Qt::Vertical, parent) {
    setObjectName(name);
    setHandleWidth(kBarHeight);
    // A panel never vanishes under a drag; it stops at its minimum.
    setChildrenCollapsible(false);
    setOpaqueResize(true);
    connect(this, &QSplitter::splitterMoved, this, [this] { rememberDraggedHeights(); });
}

QWidget* StackedPanels::addPanel(const QString& panelName, QWidget* content, Role role, int designHeight,
                                 const QString& barName, int extraHeight) {
    auto* box = new QWidget;  // owned by the splitter from addWidget on
    box->setObjectName(panelName);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content->setParent(box);
    layout->addWidget(content);
    box->setMinimumHeight(kMinPanelHeight + extraHeight);
    // The content's own minimum (a table view asks for more) must not
    // raise the panel's.
    content->setMinimumHeight(0);

    const int index = count();
    addWidget(box);
    // Only the fill panel takes part in sharing out a change of height.
    setStretchFactor(index, role == Role::Fill ? 1 : 0);
    if (index > 0 && !barName.isEmpty())
        if (QSplitterHandle* bar = handle(index)) bar->setObjectName(barName);

    panels_.push_back(Panel{panelName, box, role, extraHeight, std::max(designHeight, kMinPanelHeight)});
    applyWanted();
    return box;
}

const StackedPanels::Panel* StackedPanels::find(const QString& panelName) const {
    for (const auto& p : panels_)
        if (p.name == panelName) return &p;
    return nullptr;
}

std::optional<int> StackedPanels::panelHeight(const QString& panelName) const {
    const Panel* p = find(panelName);
    if (!p) return std::nullopt;
    if (p->role == Role::Fill) return laidOut_ ? p->box->height() - p->extra : p->wanted;
    return p->wanted;
}

bool StackedPanels::setPanelHeight(const QString& panelName, int height) {
    for (auto& p : panels_) {
        if (p.name != panelName) continue;
        if (p.role == Role::Fill) return false;
        p.wanted = std::max(height, kMinPanelHeight);
        applyWanted();
        return true;
    }
    return false;
}

void StackedPanels::resizeEvent(QResizeEvent* event) {
    laidOut_ = true;
    QSplitter::resizeEvent(event);
}

QStringList StackedPanels::panelNames() const {
    QStringList names;
    for (const auto& p : panels_) names << p.name;
    return names;
}

void StackedPanels::applyWanted() {
    // The splitter keeps these as the sizes of the panels without stretch,
    // whatever room it has now; the fill panel gets the rest on layout.
    QList<int> sizes;
    for (const auto& p : panels_) sizes << (p.role == Role::Fill ? kMinPanelHeight : p.wanted + p.extra);
    setSizes(sizes);
}

void StackedPanels::rememberDraggedHeights() {
    const QList<int> now = sizes();
    for (std::size_t i = 0; i < panels_.size() && i < static_cast<std::size_t>(now.size()); ++i) {
        Panel& p = panels_[i];
        if (p.role != Role::Fill) p.wanted = std::max(now[static_cast<int>(i)] - p.extra, kMinPanelHeight);
    }
}

}  // namespace kakeibo::shell
