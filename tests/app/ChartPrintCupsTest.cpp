// "印刷" of the graph window on a real print system: a cupsd of the test's
// own with a cups-pdf queue as the default destination. The history's page
// arrives on the queue filling its sheet, and a stopped queue is said with
// nothing printed and nothing turned into a PDF behind the person's back.

#include <memory>

#include "PrintDialogTestCupsd.h"
#include "PrintDialogTestPages.h"
#include "ChartTestWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::testing;

class ChartPrintCupsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateCups> cups_;

    // A week of calculated cards, the graph window open on 推移.
    static void openOnHistory(ChartTestWindow& w) {
        for (int day = 6; day >= 0; --day) w.enterCard(w.book().today() - day, "食費", 500.0 * day);
        w.form->mnuGraphClick();
        w.charts()->showTab(ChartTab::History);
    }

private slots:
    void initTestCase() {
        CupsStart start = startPrivateCups();
        if (!start.skipped.isEmpty()) QSKIP(qPrintable(start.skipped));
        if (!start.failed.isEmpty()) QFAIL(qPrintable(start.failed));
        cups_ = std::move(start.cups);
    }

    void cleanupTestCase() { cups_.reset(); }

    void cleanup() {
        if (cups_ && cups_->running()) cups_->run(QStringLiteral("cupsenable"), {cups_->queue()});
    }

    void theHistoryFillsASheetOnTheDefaultQueue() {
        ChartTestWindow w;
        openOnHistory(w);
        const QStringList before = cups_->pdfs();
        w.ui.pushMessageAnswer(MsgResult::Ok);
        w.click("btnGraphPrint");
        QVERIFY2(w.ui.messages().size() == 1, w.ui.transcript().c_str());  // only the ready question
        QVERIFY(w.ui.saveRequests().empty());
        const auto pdf = cups_->waitForNewPdf(before);
        QVERIFY2(pdf, qPrintable(cups_->logs()));
        auto page = renderPdfPage(*pdf, 50);
        QVERIFY(page);
        // A printer's sheet is portrait: the landscape page comes turned on it.
        if (!page->landscape()) page = turnedToRead(*page);
        keepPicture(*page, QStringLiteral("cups-chart-history"));
        QVERIFY2(page->inkMm.width() > 0.8 * page->sheetMm.width(), qPrintable(QString::number(page->inkMm.width())));
    }

    void aStoppedQueueIsSaidAndNothingIsPrinted() {
        ChartTestWindow w;
        openOnHistory(w);
        QVERIFY(cups_->run(QStringLiteral("cupsdisable"), {cups_->queue()}));
        const QStringList before = cups_->pdfs();
        w.ui.pushMessageAnswer(MsgResult::Ok);
        w.click("btnGraphPrint");
        const std::vector<Message> said = w.ui.messages();
        QCOMPARE(said.size(), std::size_t{2});  // the ready question, then the trouble
        QCOMPARE(said[1].kind, MsgKind::Warning);
        QVERIFY2(said[1].text.find("は停止しています") != std::string::npos, said[1].text.c_str());
        QVERIFY(w.ui.saveRequests().empty());
        QVERIFY(w.charts()->isVisible());
        QVERIFY(!cups_->waitForNewPdf(before, 1000));
    }
};

KAKEIBO_REGISTER_TEST(ChartPrintCupsTest);
#include "ChartPrintCupsTest.moc"
