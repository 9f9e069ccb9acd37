// The printed pages as a person sees them, without a print system: the PDF
// a print makes when there is no printer, the page at several device
// resolutions, and the preview, each rendered and measured on paper.

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/PrintDialog.h"
#include "dialogs/PrintedPage.h"
#include "dialogs/QtPrintCanvas.h"
#include "support/SummedBook.h"
#include "support/TempDir.h"
#include "PrintDialogTestPages.h"
#include "PrintDialogTestPrints.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;
using namespace kakeibo::testing;

namespace {

// A page drawn straight onto a PDF of the given resolution with the
// margins of the no-printer PDF.
template <typename Drawing>
bool drawPdf(const QString& pdf, int dpi, Drawing drawing) {
    QPdfWriter writer(pdf);
    writer.setResolution(dpi);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPdfMarginsMm, QPageLayout::Millimeter));
    PrintedPage page(writer);
    QtPrintCanvas canvas(page);
    return drawing(canvas);
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintSizeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
            QSKIP("poppler's pdftoppm is not installed (package poppler-utils)");
        }
    }

    void printsEachSummaryFullSizeIntoAPdf() {
        SummedBook setup;
        TempDir dir;
        for (const ExpectedPrint& print : expectedPrints(setup.book)) {
            const auto page = printToPdf(setup, dir, print);
            QVERIFY2(page, print.name);
            keepPicture(*page, QStringLiteral("fallback-%1").arg(QLatin1String(print.name)));
            QCOMPARE(pdfPageCount(QString::fromStdString(dir.file(std::string(print.name) + ".pdf"))), 1);
            QCOMPARE(page->landscape(), print.landscape);
            const QString problem = fullSizeProblem(*page, print.landscape, kPdfMarginsMm,
                                                    print.ruleMm(setup.book, kPdfMarginsMm, page->sheetMm));
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(print.name, problem)));
            // The monthly frame is closed along the bottom of the printable area too.
            if (print.reachesBottom) QVERIFY(page->bottomRuleMm > page->longestRuleMm - 1);
        }

        const QString week = pdfText(QString::fromStdString(dir.file("week.pdf")));
        for (const QString& expected :
             {QStringLiteral("2000 年度 第"), QStringLiteral("支出"), QStringLiteral("収入"), QStringLiteral("食費"),
              QStringLiteral("使用者：花子"), QStringLiteral("12/10（日）"), QStringLiteral("1,234"),
              QStringLiteral("5,000"), QStringLiteral("3,280"), QStringLiteral("4,500")})
            QVERIFY2(week.contains(expected), qPrintable(expected + "\n" + week));
        const QString month = pdfText(QString::fromStdString(dir.file("month.pdf")));
        for (const QString& expected : {QStringLiteral("12月度"), QStringLiteral("家計合計"), QStringLiteral("まとめ"),
                                        QStringLiteral("9,412"), QStringLiteral("交際費")})
            QVERIFY2(month.contains(expected), qPrintable(expected + "\n" + month));
        const QString year = pdfText(QString::fromStdString(dir.file("year.pdf")));
        for (const QString& expected :
             {QStringLiteral("2000 年度"), QStringLiteral("12 月"), QStringLiteral("9,412"), QStringLiteral("5,000")})
            QVERIFY2(year.contains(expected), qPrintable(expected + "\n" + year));
    }

    // The page's dots are mapped through the device's resolution: a page
    // drawn at 300, 360, 600 or 1200 dpi is the same on paper.
    void drawsTheSameSizeAtEveryResolution() {
        SummedBook setup;
        QTemporaryDir dir;
        for (const ExpectedPrint& print : expectedPrints(setup.book)) {
            std::optional<MeasuredPage> first;
            for (int dpi : {300, 360, 600, 1200}) {
                const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(print.name).arg(dpi));
                QVERIFY(
                    drawPdf(pdf, dpi, [&](PrintCanvas& canvas) { return printJob(canvas, print.job, setup.book); }));
                const auto page = renderPdfPage(pdf);
                QVERIFY(page);
                const QString problem = fullSizeProblem(*page, print.landscape, kPdfMarginsMm,
                                                        print.ruleMm(setup.book, kPdfMarginsMm, page->sheetMm));
                QVERIFY2(problem.isEmpty(),
                         qPrintable(QStringLiteral("%1 at %2 dpi: %3").arg(print.name).arg(dpi).arg(problem)));
                if (!first) {
                    first = page;
                    continue;
                }
                const QString difference =
                    layoutDifference(*page, kPdfMarginsMm, *first, kPdfMarginsMm, print.reachesBottom, 0.5);
                QVERIFY2(difference.isEmpty(),
                         qPrintable(QStringLiteral("%1 at %2 dpi: %3").arg(print.name).arg(dpi).arg(difference)));
                QVERIFY(std::abs(page->inkMm.width() - first->inkMm.width()) < 0.5);
            }
        }
    }

    // A 36-point kanji is about a half inch high on paper at any
    // resolution: its em square is 36/72 inch, its strokes fill most of it.
    // In bold it is clearly heavier, although the Japanese print fonts have
    // no bold face.
    void setsFontsInPointsAndBoldOnPaper() {
        QTemporaryDir dir;
        const auto kanji = [&](int dpi, bool bold) {
            const QString pdf = dir.filePath(QStringLiteral("text-%1-%2.pdf").arg(dpi).arg(bold));
            const bool drawn = drawPdf(pdf, dpi, [bold](PrintCanvas& canvas) {
                if (!canvas.beginJob()) return false;
                canvas.setFont(std::string(kDefaultPrintFont), 36, bold);
                canvas.drawText(360, 360, "田");
                return canvas.endJob();
            });
            return drawn ? renderPdfPage(pdf, 300) : std::nullopt;
        };
        std::optional<MeasuredPage> first;
        for (int dpi : {300, 1200}) {
            const auto regular = kanji(dpi, false);
            const auto bold = kanji(dpi, true);
            QVERIFY(regular && bold);
            const double emMm = 36.0 / 72.0 * 25.4;
            QVERIFY2(regular->inkMm.height() > 0.7 * emMm && regular->inkMm.height() < emMm,
                     qPrintable(QString::number(regular->inkMm.height())));
            QVERIFY2(bold->inkMm2 > 1.4 * regular->inkMm2,
                     qPrintable(QStringLiteral("%1 against %2 mm²").arg(bold->inkMm2).arg(regular->inkMm2)));
            if (first) QVERIFY(std::abs(regular->inkMm.height() - first->inkMm.height()) < 0.2);
            first = regular;
        }
    }

    // The preview shows the page that the print makes, at its place on the sheet.
    void previewsThePageAsItPrints() {
        SummedBook setup;
        TempDir dir;
        for (const ExpectedPrint& print : expectedPrints(setup.book)) {
            const auto printed = printToPdf(setup, dir, print);
            QVERIFY(printed);
            PrintDialog dialog(setup.book, print.job, nullptr);
            dialog.setPrintToPdf(true);
            dialog.open();
            const auto previewed = previewPage(dialog);
            QVERIFY2(previewed, print.name);
            keepPicture(previewed->page, QStringLiteral("preview-%1").arg(QLatin1String(print.name)));
            QCOMPARE(previewed->marginsMm, kPdfMarginsMm);
            const QString problem =
                fullSizeProblem(previewed->page, print.landscape, previewed->marginsMm,
                                print.ruleMm(setup.book, previewed->marginsMm, previewed->page.sheetMm));
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(print.name, problem)));
            const QString difference =
                layoutDifference(previewed->page, previewed->marginsMm, *printed, kPdfMarginsMm, print.reachesBottom);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(print.name, difference)));
            QVERIFY(dialog.isVisible());  // closing the preview leaves the dialog
            dialog.reject();
        }
    }
};

KAKEIBO_REGISTER_TEST(PrintSizeTest);
#include "PrintDialogTestSizes.moc"
