#include "app/CellPainter.h"

#include <QPainter>
#include <QPalette>
#include <QRect>

namespace kakeibo::shell {

namespace {

const QColor kMidGrey(128, 128, 128);
const QColor kGridLine(192, 192, 192);
constexpr int kTextMargin = 3;

// Exactly 0 covers the empty and the unreadable cell too: nothing shows.
void setAmount(CellLook& look, double value, AmountDisplay display, bool redText) {
    look.text = value == 0 ? QString() : QString::fromStdString(formatAmount(value, display));
    look.ink = value < 0 && redText ? CellInk::Red : CellInk::Black;
}

void highlight(CellLook& look) {
    look.fill = CellFill::Highlight;
    look.ink = CellInk::HighlightText;
    if (look.frame == CellFrame::GreyLines) look.frame = CellFrame::None;
}

}  // namespace

bool isAmountColumn(const Sheet& sheet, int col) { return sheet.colWidth(col) == kAmountColumnWidth; }

CellLook cellLook(const Sheet& sheet, int col, int row, bool selected, bool focused, AmountDisplay display,
                  bool redText) {
    CellLook look;
    look.fixed = row < sheet.fixedRows() || col < sheet.fixedCols();
    const bool amount = isAmountColumn(sheet, col);

    if (look.fixed) {
        look.fill = CellFill::ButtonFace;
        look.frame = CellFrame::Raised;
        // Row 0 holds the column captions; lower fixed rows may hold sums.
        look.align = amount && row != 0 ? CellAlign::Amount : CellAlign::Centre;
    } else {
        look.fill = sheet.editable() ? CellFill::White : CellFill::ButtonFace;
        look.frame = sheet.editable() ? CellFrame::None : CellFrame::GreyLines;
        look.align = amount ? CellAlign::Amount : CellAlign::Left;
    }

    const std::string& stored = sheet.cell(col, row);
    if (look.align == CellAlign::Amount) {
        setAmount(look, textToAmount(stored), display, redText);
    } else {
        look.text = QString::fromStdString(stored);
    }

    if (selected && focused && sheet.editable()) highlight(look);
    return look;
}

CellLook listTextLook(const QString& text, bool selected) {
    CellLook look;
    look.text = text;
    if (selected) highlight(look);
    return look;
}

CellLook listAmountLook(double amount, AmountDisplay display, bool redText, bool selected) {
    CellLook look;
    look.align = CellAlign::Amount;
    setAmount(look, amount, display, redText);
    if (selected) highlight(look);
    return look;
}

void paintCell(QPainter& painter, const QRect& rect, const CellLook& look, const QPalette& palette) {
    painter.save();
    // The cell proper; its last column and row of pixels are the grid line.
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    const int x0 = rect.left();
    const int y0 = rect.top();
    const int x1 = rect.right();
    const int y1 = rect.bottom();

    QColor fill;
    switch (look.fill) {
        case CellFill::ButtonFace: fill = palette.color(QPalette::Active, QPalette::Button); break;
        case CellFill::White: fill = Qt::white; break;
        case CellFill::Highlight: fill = palette.color(QPalette::Active, QPalette::Highlight); break;
    }
    painter.fillRect(inner, fill);

    painter.setPen(kGridLine);
    painter.drawLine(x1, y0, x1, y1);
    painter.drawLine(x0, y1, x1, y1);

    switch (look.frame) {
        case CellFrame::Raised:
            painter.setPen(Qt::black);
            painter.drawLine(x1, y0, x1, y1);
            painter.drawLine(x0, y1, x1, y1);
            painter.setPen(kMidGrey);
            painter.drawLine(x1 - 1, y0, x1 - 1, y1 - 1);
            painter.drawLine(x0, y1 - 1, x1 - 1, y1 - 1);
            painter.setPen(Qt::white);
            painter.drawLine(x0, y0, x1 - 2, y0);
            painter.drawLine(x0, y0, x0, y1 - 2);
            break;
        case CellFrame::GreyLines:
            painter.setPen(kMidGrey);
            painter.drawLine(x1 - 1, y0, x1 - 1, y1 - 1);
            painter.drawLine(x0, y1 - 1, x1 - 1, y1 - 1);
            break;
        case CellFrame::None:
            break;
    }

    if (!look.text.isEmpty()) {
        QColor ink;
        switch (look.ink) {
            case CellInk::Black: ink = Qt::black; break;
            case CellInk::Red: ink = QColor(255, 0, 0); break;
            case CellInk::HighlightText: ink = palette.color(QPalette::Active, QPalette::HighlightedText); break;
        }
        painter.setPen(ink);
        painter.setClipRect(inner);
        switch (look.align) {
            case CellAlign::Left:
                painter.drawText(inner.adjusted(kTextMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                 look.text);
                break;
            case CellAlign::Centre:
                painter.drawText(inner, Qt::AlignHCenter | Qt::AlignVCenter, look.text);
                break;
            case CellAlign::Amount:
                painter.drawText(inner.adjusted(0, 0, -kTextMargin, 0), Qt::AlignRight | Qt::AlignVCenter,
                                 look.text);
                break;
        }
    }
    painter.restore();
}

}  // namespace kakeibo::shell
