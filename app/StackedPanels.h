#pragma once
// A column of panels stacked top to bottom, parted by 2-pixel drag bars.
// Each panel is a "top" or "bottom" panel with a height of its own, or the
// one "fill" panel that takes what is left; no panel gets lower than 48
// pixels. When the window's height changes only the fill panel follows:
// the others keep the heights the person gave them.

#include <QSplitter>
#include <QString>

#include <optional>
#include <vector>

namespace kakeibo::shell {

class StackedPanels : public QSplitter {
    Q_OBJECT
public:
    enum class Role { Top, Fill, Bottom };

    static constexpr int kBarHeight = 2;
    static constexpr int kMinPanelHeight = 48;

    explicit StackedPanels(const QString& name, QWidget* parent = nullptr);

    // Adds a panel under the ones already added. Its content fills it;
    // extraHeight is a fixed part of the content (a caption bar) that does
    // not count in the panel's height. barName names the bar above it.
    QWidget* addPanel(const QString& panelName, QWidget* content, Role role, int designHeight,
                      const QString& barName = {}, int extraHeight = 0);

    // The height the panel has, or will have once there is room for it; the
    // fill panel's is what the stack leaves it. Nothing for an unknown name.
    std::optional<int> panelHeight(const QString& panelName) const;
    // Sets a top or bottom panel's height (48 at least). False for an
    // unknown name or the fill panel.
    bool setPanelHeight(const QString& panelName, int height);

    QStringList panelNames() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Bars exactly kBarHeight high, whatever the style would make them.
    QSplitterHandle* createHandle() override;

private:
    struct Panel {
        QString name;
        QWidget* box = nullptr;
        Role role = Role::Top;
        int extra = 0;
        int wanted = 0;  // the height asked for (the fill panel's: its design height)
    };
    const Panel* find(const QString& panelName) const;
    void applyWanted();
    void rememberDraggedHeights();

    std::vector<Panel> panels_;
    // The stack has had a size of its own (a page never shown has not).
    bool laidOut_ = false;
};

}  // namespace kakeibo::shell
