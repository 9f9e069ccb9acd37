// Printing on a real print system: a cupsd of the test's own with a
// cups-pdf queue as the default destination. The weekly, monthly and
// yearly summaries go through the print dialog's 印刷する as a person
// prints them; the PDFs cups-pdf makes are rendered and measured on paper
// and compared with the no-printer PDF and with the preview. A queue that
// is stopped, refuses jobs, refuses this user or is gone is said, and the
// dialog stays open.

#include <functional>
#include <memory>

#include <cups/cups.h>

#include <QPageLayout>
#include <QPushButton>
#include <QTest>

#include "dialogs/PrintDialog.h"
#include "support/SummedBook.h"
#include "support/TempDir.h"
#include "PrintDialogTestCupsd.h"
#include "PrintDialogTestPages.h"
#include "PrintDialogTestPrints.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;
using namespace kakeibo::testing;

class PrintCupsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateCups> cups_;

    // 印刷する with the printer ready; the PDF the queue made, rendered.
    std::optional<MeasuredPage> printOnQueue(SummedBook& setup, PrintDialog& dialog, const QString& name) {
        const QStringList before = cups_->pdfs();
        setup.ui.pushMessageAnswer(MsgResult::Ok);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
        if (dialog.isVisible()) {
            qWarning("the print did not close the dialog: %s", setup.ui.texts().back().c_str());
            return std::nullopt;
        }
        const auto pdf = cups_->waitForNewPdf(before);
        if (!pdf) {
            qWarning("no PDF from the queue:\n%s", qPrintable(cups_->logs()));
            return std::nullopt;
        }
        auto page = renderPdfPage(*pdf);
        if (!page) return std::nullopt;
        keepPicture(*page, name);
        // A printer's sheet is portrait: a landscape page comes out turned
        // on it, and a person turns the sheet to read it.
        if (dialog.printer().pageLayout().orientation() == QPageLayout::Landscape && !page->landscape()) {
            return turnedToRead(*page);
        }
        return page;
    }

    // 印刷する on a printer that cannot print: one warning that names the
    // trouble, the dialog still open, and nothing printed. beforePrint runs
    // once the printer is chosen.
    void expectRefusal(const QString& printerName, const std::string& expected,
                       const std::function<void()>& beforePrint = {}) {
        SummedBook setup;
        PrintDialog dialog(setup.book, makeWeekPrintJob(setup.book), nullptr);
        dialog.printer().setPrinterName(printerName);  // as the printer setup chooses it
        QCOMPARE(dialog.printer().printerName(), printerName);
        if (beforePrint) beforePrint();
        dialog.open();
        const QStringList before = cups_->pdfs();
        setup.ui.pushMessageAnswer(MsgResult::Ok);
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnPrint"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        const std::vector<Message> messages = setup.ui.messages();
        QCOMPARE(messages.size(), std::size_t{2});  // the ready question, then the trouble
        QCOMPARE(messages[1].kind, MsgKind::Warning);
        QVERIFY2(messages[1].text.find(expected) != std::string::npos, messages[1].text.c_str());
        QVERIFY(setup.ui.saveRequests().empty());  // not turned into a PDF behind the person's back
        dialog.reject();
        QVERIFY(!cups_->waitForNewPdf(before, 1000));
    }

private slots:
    void initTestCase() {
        CupsStart start = startPrivateCups();
        if (!start.skipped.isEmpty()) QSKIP(qPrintable(start.skipped));
        if (!start.failed.isEmpty()) QFAIL(qPrintable(start.failed));
        cups_ = std::move(start.cups);
    }

    void cleanupTestCase() { cups_.reset(); }

    // Whatever a test did to the queue, and however it ended, the next one
    // finds it ready.
    void cleanup() {
        if (!cups_ || !cups_->running()) return;
        cups_->run(QStringLiteral("cupsenable"), {cups_->queue()});
        cups_->run(QStringLiteral("cupsaccept"), {cups_->queue()});
        cups_->run(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), cups_->queue(), QStringLiteral("-u"), QStringLiteral("allow:all")});
    }

    void printsEachSummaryFullSizeOnTheDefaultQueue() {
        SummedBook setup;
        TempDir dir;
        for (const ExpectedPrint& print : expectedPrints(setup.book)) {
            const auto fallback = printToPdf(setup, dir, print);
            QVERIFY(fallback);

            PrintDialog dialog(setup.book, print.job, nullptr);
            QCOMPARE(dialog.printer().printerName(), cups_->queue());
            dialog.open();
            const auto previewed = previewPage(dialog);
            QVERIFY2(previewed, print.name);
            keepPicture(previewed->page, QStringLiteral("cups-preview-%1").arg(QLatin1String(print.name)));

            const auto printed = printOnQueue(setup, dialog, QStringLiteral("cups-%1").arg(QLatin1String(print.name)));
            QVERIFY2(printed, print.name);
            const QMarginsF margins = dialog.printer().pageLayout().margins(QPageLayout::Millimeter);
            const QString problem = fullSizeProblem(*printed, print.landscape, margins,
                                                    print.ruleMm(setup.book, margins, printed->sheetMm));
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(print.name, problem)));
            QCOMPARE(previewed->marginsMm, margins);
            for (const auto& [other, otherMargins, what] :
                 {std::tuple{&previewed->page, margins, "preview"}, std::tuple{&*fallback, kPdfMarginsMm, "PDF"}}) {
                const QString difference =
                    layoutDifference(*printed, margins, *other, otherMargins, print.reachesBottom);
                QVERIFY2(difference.isEmpty(),
                         qPrintable(QStringLiteral("%1 against the %2: %3").arg(print.name, what, difference)));
            }
        }
    }

    // Whatever resolution the printer reports, the page is the same.
    void printsTheSameSizeAtTwoPrinterResolutions() {
        SummedBook setup;
        for (const ExpectedPrint& print : expectedPrints(setup.book)) {
            if (print.job.kind == PrintKind::Month) continue;  // drawn to the page's edges: no size of its own
            std::optional<MeasuredPage> first;
            for (int dpi : {300, 1200}) {
                PrintDialog dialog(setup.book, print.job, nullptr);
                dialog.printer().setResolution(dpi);
                QCOMPARE(dialog.printer().resolution(), dpi);
                dialog.open();
                const auto page = printOnQueue(setup, dialog,
                                               QStringLiteral("cups-%1-%2dpi").arg(QLatin1String(print.name)).arg(dpi));
                QVERIFY(page);
                const QMarginsF margins = dialog.printer().pageLayout().margins(QPageLayout::Millimeter);
                const QString problem =
                    fullSizeProblem(*page, print.landscape, margins, print.ruleMm(setup.book, margins, page->sheetMm));
                QVERIFY2(problem.isEmpty(),
                         qPrintable(QStringLiteral("%1 at %2 dpi: %3").arg(print.name).arg(dpi).arg(problem)));
                if (first) {
                    const QString difference = layoutDifference(*page, margins, *first, margins, false, 0.5);
                    QVERIFY2(difference.isEmpty(), qPrintable(difference));
                    QVERIFY(std::abs(page->inkMm.width() - first->inkMm.width()) < 0.5);
                }
                first = page;
            }
        }
    }

    void saysWhenTheQueueIsStopped() {
        QVERIFY(cups_->run(QStringLiteral("cupsdisable"), {cups_->queue()}));
        expectRefusal(cups_->queue(), "は停止しています");
    }

    void saysWhenTheQueueRefusesJobs() {
        QVERIFY(cups_->run(QStringLiteral("cupsreject"), {cups_->queue()}));
        expectRefusal(cups_->queue(), "は印刷を受け付けていません");
    }

    // A queue that looks ready but refuses the page when it is handed over
    // (here: it does not let this user print) is said too, although Qt
    // hands pages to CUPS without looking at the answer.
    void saysWhenTheQueueRefusesThePage() {
        QVERIFY(cups_->run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), cups_->queue(), QStringLiteral("-u"),
                                                       QStringLiteral("deny:") + cupsUser()}));
        expectRefusal(cups_->queue(), "に印刷を送れませんでした");
    }

    void saysWhenThePrinterIsGone() {
        const QString gone = cups_->queue() + QStringLiteral("-gone");
        // Its device is the test queue's, so cups-pdf would write into the
        // test's folder if anything reached it.
        QVERIFY(cups_->run(QStringLiteral("lpadmin"),
                           {QStringLiteral("-p"), gone, QStringLiteral("-v"), cups_->device(), QStringLiteral("-P"),
                            QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"), QStringLiteral("-E")}));
        expectRefusal(gone, "が見つかりません", [&] {
            QVERIFY(cups_->run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), gone}));
        });
    }
};

KAKEIBO_REGISTER_TEST(PrintCupsTest);
#include "PrintDialogTestCups.moc"
