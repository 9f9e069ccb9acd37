#pragma once
// A chart tab on paper: the picture (heading and charts) as large as the
// printable area of one page takes it, its proportions kept, the page
// turned to the picture's shape. It leaves the program through the print
// path every printed page takes (printer, no-printer PDF, failures said).
// On paper the charts are drawn in the light look on white, whatever the
// desktop's theme: a dark page is hard to read and costs the ink of it.

#include <QPalette>

#include "dialogs/PrintPath.h"

class QWidget;

namespace kakeibo::shell {

// The page the print path draws: picture on one page, landscape when the
// picture is wider than tall.
PrintPath::Drawing chartPageDrawing(QWidget* picture);

// The palette a chart page takes while it is drawn for paper.
QPalette paperPalette();

}  // namespace kakeibo::shell
