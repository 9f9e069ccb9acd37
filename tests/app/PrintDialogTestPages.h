#pragma once
// Printed pages looked at as a person would: a PDF page rendered to a
// picture with poppler's pdftoppm, or the page the print preview shows,
// measured in millimetres on paper: the sheet, and the box around all the
// ink on it.

#include <functional>
#include <optional>

#include <QImage>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPrintPreviewDialog;

namespace kakeibo::testing {

struct MeasuredPage {
    QSizeF sheetMm;            // the sheet as rendered (landscape when wider than high)
    QRectF inkMm;              // everything drawn, from the sheet's top-left corner
    double longestRuleMm = 0;  // the longest horizontal line drawn
    double bottomRuleMm = 0;   // the longest line in the lowest row of ink
    double inkMm2 = 0;         // how much of the sheet is ink
    QImage picture;

    bool landscape() const { return sheetMm.width() > sheetMm.height(); }
};

// Measures a picture of a whole sheet of sheetMm.
MeasuredPage measurePicture(const QImage& picture, QSizeF sheetMm);

// The page turned a quarter clockwise, as a person turns a sheet whose
// landscape page came out turned by a quarter the other way.
MeasuredPage turnedToRead(const MeasuredPage& page);

// The number of pages of a PDF (pdfinfo), 0 when it cannot be read.
int pdfPageCount(const QString& pdf);
// Renders the first page of a PDF at dpi and measures it; nothing when
// poppler's tools are missing or the file cannot be read.
std::optional<MeasuredPage> renderPdfPage(const QString& pdf, int dpi = 100);
// The page a print preview shows, rendered at dpi as it is drawn there.
std::optional<MeasuredPage> renderPreviewPage(QPrintPreviewDialog& preview, QSizeF sheetMm, int dpi = 100);

// Runs `look` on the print preview as soon as it is open (it is modal, so
// call this before the click that opens it); `look` closes it.
void whenPreviewOpens(std::function<void(QPrintPreviewDialog&)> look);

// Saves the picture as NAME.png in the folder KAKEIBO_KEEP_PDF names, for
// a person to look at; does nothing when it is not set.
void keepPicture(const MeasuredPage& page, const QString& name);

// The page's layout relative to its printable area: how far the ink
// lies from each edge of that area, so pages of devices with other
// margins can be compared.
QMarginsF inkInsidePrintableArea(const MeasuredPage& page, const QMarginsF& marginsMm);

// A length of the print layouts (1/360 inch) on paper.
inline double dotsToMm(double dots) { return dots * 25.4 / 360.0; }

// What is wrong with a printed summary page, empty when nothing is: an A4
// sheet in the orientation of its print, ink across at least 60 % of the
// sheet's width and all of it inside the printable area, and its longest
// rule (a table's lines, the monthly page's full-width line) ruleMm long.
QString fullSizeProblem(const MeasuredPage& page, bool landscape, const QMarginsF& marginsMm, double ruleMm);

// Where two prints of one summary on devices with other margins differ by
// more than toleranceMm, empty when they do not: the ink's distance from
// the printable area's left, top and right edges, and its height, or for a
// page drawn down to the area's bottom edge its distance from that edge.
QString layoutDifference(const MeasuredPage& a, const QMarginsF& marginsA, const MeasuredPage& b,
                         const QMarginsF& marginsB, bool reachesBottom, double toleranceMm = 1.0);

}  // namespace kakeibo::testing
