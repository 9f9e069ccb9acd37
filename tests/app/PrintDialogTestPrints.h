#pragma once
// The three prints of the summed book and what each should look like on
// paper, on every device.

#include <cmath>
#include <vector>

#include <QMarginsF>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSizeF>
#include <QTest>

#include "book/Book.h"
#include "book/PrintLayout.h"
#include "dialogs/PrintDialog.h"
#include "support/SummedBook.h"
#include "support/TempDir.h"
#include "PrintDialogTestPages.h"

namespace kakeibo::testing {

// The margins of a PDF page when there is no printer.
inline const QMarginsF kPdfMarginsMm(5, 5, 5, 5);

// What each print should look like on paper, for every device.
struct ExpectedPrint {
    const char* name;
    PrintJob job;
    bool landscape;
    bool reachesBottom;  // the monthly frame runs down to the printable area's edge

    // The longest rule: the tables' lines, or the monthly page's
    // full-width line from the margin m = 110 to the right edge.
    double ruleMm(const Book& book, const QMarginsF& marginsMm, QSizeF sheetMm) const {
        if (job.kind == PrintKind::Month) {
            const double printableDots =
                std::floor((sheetMm.width() - marginsMm.left() - marginsMm.right()) / 25.4 * 360);
            return dotsToMm(printableDots - 1 - 110);
        }
        const Sheet& sheet = job.kind == PrintKind::Week ? book.GridWeekShishutsu : book.GridYearShishutsu;
        return dotsToMm(240.0 * (sheet.colCount() + 1));
    }
};

inline std::vector<ExpectedPrint> expectedPrints(const Book& book) {
    PrintJob year = makeYearPrintJob(book);
    year.which = PrintWhich::Both;
    return {{"week", makeWeekPrintJob(book), false, false},
            {"month", makeMonthPrintJob(book), false, true},
            {"year", year, true, false}};
}

// The PDF the print makes with no printer, rendered.
inline std::optional<MeasuredPage> printToPdf(SummedBook& setup, const TempDir& dir, const ExpectedPrint& print) {
    shell::PrintDialog dialog(setup.book, print.job, nullptr);
    dialog.setPrintToPdf(true);
    dialog.open();
    setup.ui.pushSaveFileName(dir.file(print.name));
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
    if (dialog.isVisible()) return std::nullopt;
    return renderPdfPage(QString::fromStdString(dir.file(std::string(print.name) + ".pdf")));
}

// The page the dialog's preview shows, with the margins of its printer.
struct PreviewedPage {
    MeasuredPage page;
    QMarginsF marginsMm;
};

inline std::optional<PreviewedPage> previewPage(shell::PrintDialog& dialog) {
    std::optional<PreviewedPage> previewed;
    whenPreviewOpens([&](QPrintPreviewDialog& preview) {
        const QPageLayout layout = preview.printer()->pageLayout();
        if (auto page = renderPreviewPage(preview, layout.fullRect(QPageLayout::Millimeter).size())) {
            previewed = PreviewedPage{*page, layout.margins(QPageLayout::Millimeter)};
        }
        preview.reject();
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnPreview"), Qt::LeftButton);
    return previewed;
}

}  // namespace kakeibo::testing
