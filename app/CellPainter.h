#pragma once
// The cell painter of every sheet (GridShishutuDrawCell). The choices —
// which text, where, in which colours, with which frame — are made by
// cellLook without any drawing, so they can be checked cell by cell;
// paintCell draws a look into a cell rectangle.

#include <QString>

#include "sheets/AmountText.h"
#include "sheets/Sheet.h"

class QPainter;
class QPalette;
class QRect;

namespace kakeibo::shell {

// Amount columns are recognised by this width alone.
inline constexpr int kAmountColumnWidth = 72;

enum class CellAlign { Left, Centre, Amount };
enum class CellFill { ButtonFace, White, Highlight };
enum class CellInk { Black, Red, HighlightText };
enum class CellFrame {
    Raised,        // fixed cell: white top/left, grey and black right/bottom
    GreyLines,     // read-only background: grey right and bottom lines
    None,
};

struct CellLook {
    QString text;
    CellAlign align = CellAlign::Left;
    CellFill fill = CellFill::White;
    CellInk ink = CellInk::Black;
    CellFrame frame = CellFrame::None;
    bool fixed = false;
};

bool isAmountColumn(const Sheet& sheet, int col);

// selected: the cell is in the selection; focused: the sheet has the focus.
CellLook cellLook(const Sheet& sheet, int col, int row, bool selected, bool focused, AmountDisplay display,
                  bool redText);

// A data cell of a read-only list outside the sheets (the search results),
// drawn as a sheet's cell: its text at the left, or an amount exactly as an
// amount cell shows it (nothing for 0, separators and decimals as set, red
// below 0 when wanted). A selected cell takes the highlight.
CellLook listTextLook(const QString& text, bool selected);
CellLook listAmountLook(double amount, AmountDisplay display, bool redText, bool selected);

// Draws look into rect, the whole cell including its 1-pixel grid line on
// the right and bottom.
void paintCell(QPainter& painter, const QRect& rect, const CellLook& look, const QPalette& palette);

}  // namespace kakeibo::shell
