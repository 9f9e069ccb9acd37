#pragma once
// Qt's print preview over a page's drawing: the page as it will come out
// of the printer, at its size on paper. Its print button runs the print
// command of the window that opened it (with that window's questions and
// its PDF fallback) instead of Qt's own print dialog; the orientation
// buttons are hidden because every print sets its own orientation.

#include <functional>

#include "dialogs/PrintPath.h"

class QPrinter;
class QWidget;

namespace kakeibo::shell {

// Shows the preview modally. True when its print button printed the page
// (the preview closes then).
bool showPrintPreview(QPrinter& printer, QWidget* owner, const PrintPath::Drawing& drawing,
                      const std::function<bool()>& printCommand);

}  // namespace kakeibo::shell
