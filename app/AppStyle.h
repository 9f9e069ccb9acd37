#pragma once
// The widget style of the desktop (or the one asked for with -style), with
// the menu bar's button for menus that do not fit drawn by the program, as
// the navigation bars' pictures are. The style's own picture is a PNG that
// Qt reads by first asking every image plugin of the system whether it
// knows the bytes, loading each of them: the menu bar's construction cost
// the start about 2 ms for it.

#include <QProxyStyle>

namespace kakeibo::shell {

class AppStyle : public QProxyStyle {
public:
    // Over a new instance of the style named baseStyle.
    explicit AppStyle(const QString& baseStyle);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the application's current style under an AppStyle.
void installAppStyle();

}  // namespace kakeibo::shell
