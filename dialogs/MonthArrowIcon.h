#pragma once
// The pictures of the calendar's month buttons: a small filled triangle
// pointing left (previous month) or right (next month), drawn by the
// program itself so that no image file is needed.

#include <QIcon>

namespace kakeibo::shell {

enum class ArrowDirection { Left, Right };

QIcon monthArrowIcon(ArrowDirection direction);

}  // namespace kakeibo::shell
