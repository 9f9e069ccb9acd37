#pragma once
// The pictures of the navigation bars' buttons (first, previous, next, last
// card; discard) and of the menu bar's button for the menus that do not
// fit (more), drawn by the program in the button's text colour rather
// than looked up in the desktop's icon theme: the lookup reads the theme's
// index and searches its folders, which cost the start several
// milliseconds, and a theme may lack the pictures or draw them unlike the
// rest of the window. Drawn, they are sharp at every size and follow a
// dark palette.

#include <QIcon>

namespace kakeibo::shell {

enum class BarIcon { First, Previous, Next, Last, Discard, More };

QIcon barIcon(BarIcon kind);

}  // namespace kakeibo::shell
