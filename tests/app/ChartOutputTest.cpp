// What leaves the graph window: "PNG で保存" writes the picture of the tab
// whole, or says why it could not; "印刷" goes through the program's print
// path onto one full page, light on white paper even in a dark theme, and a
// file that cannot be written is said with nothing lost.

#include <QFile>
#include <QImage>

#include "app/charts/ChartPage.h"
#include "PrintDialogTestPages.h"
#include "ChartTestWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::testing::ChartTestWindow;

namespace {

QPalette darkPalette() {
    QPalette dark(QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    return dark;
}

bool looksDark(QWidget* chartView) {
    return qobject_cast<QChartView*>(chartView)->chart()->theme() == QChart::ChartThemeDark;
}

// A calculated card today and the graph window open on 推移.
void openOnHistory(ChartTestWindow& w) {
    w.enterCard(w.book().today(), "食費", 800);
    w.form->mnuGraphClick();
    w.charts()->showTab(ChartTab::History);
}

}  // namespace

class ChartOutputTest : public QObject {
    Q_OBJECT
private slots:
    void thePictureIsSavedWholeAndAFailureIsSaid() {
        ChartTestWindow w;
        openOnHistory(w);
        const std::string file = w.dir.file("推移");
        w.ui.pushSaveFileName(file);
        w.click("btnGraphSavePng");
        const std::vector<FileDialogRequest> asked = w.ui.saveRequests();
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].filter, std::string("PNG 画像|*.png"));
        QVERIFY(asked[0].initialFile.ends_with("Graph-History.png"));
        QImage saved(QString::fromStdString(file + ".png"));
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.size() / saved.devicePixelRatio(), w.charts()->page(ChartTab::History)->pictureArea()->size());
        QVERIFY(w.ui.texts().empty());

        w.ui.pushSaveFileName(w.dir.file("no such folder/推移.png"));
        w.click("btnGraphSavePng");
        QCOMPARE(w.ui.texts().size(), std::size_t{1});
        QVERIFY(w.ui.texts()[0].starts_with("画像を保存できませんでした"));
        QCOMPARE(w.ui.messages()[0].kind, MsgKind::Warning);

        // Cancelled: nothing written, nothing said.
        w.ui.clear();
        w.click("btnGraphSavePng");
        QVERIFY(w.ui.texts().empty());
        QVERIFY(w.charts()->isVisible());
    }

    void printingFillsOnePageOfWhitePaperInTheDarkTheme() {
        ChartTestWindow w;
        openOnHistory(w);
        w.charts()->setPalette(darkPalette());
        QTRY_VERIFY(looksDark(w.find("chartHistory")));
        w.charts()->setPrintToPdf(true);
        // "Is the printer ready?" answered Cancel: nothing asked, nothing printed.
        w.ui.pushMessageAnswer(MsgResult::Cancel);
        w.click("btnGraphPrint");
        QVERIFY(w.ui.saveRequests().empty());

        const std::string file = w.dir.file("推移.pdf");
        w.ui.pushMessageAnswer(MsgResult::Ok);
        w.ui.pushSaveFileName(file);
        w.click("btnGraphPrint");
        QCOMPARE(w.ui.saveRequests().size(), std::size_t{1});
        QVERIFY(w.ui.saveRequests()[0].initialFile.ends_with("Graph-History.pdf"));
        const QString pdf = QString::fromStdString(file);
        QCOMPARE(kakeibo::testing::pdfPageCount(pdf), 1);
        const auto page = kakeibo::testing::renderPdfPage(pdf, 50);
        QVERIFY(page);
        kakeibo::testing::keepPicture(*page, QStringLiteral("chart-history-page"));
        // An A4 sheet turned to the picture's shape, the picture as wide as
        // the printable area nearly, on white.
        QVERIFY(page->landscape());
        QVERIFY2(page->inkMm.width() > 0.85 * (page->sheetMm.width() - 10),
                 qPrintable(QString::number(page->inkMm.width())));
        const double sheetMm2 = page->sheetMm.width() * page->sheetMm.height();
        QVERIFY2(page->inkMm2 < 0.3 * sheetMm2, qPrintable(QString::number(page->inkMm2 / sheetMm2)));
        // The window keeps its dark look on the screen.
        QVERIFY(looksDark(w.find("chartHistory")));
        QVERIFY(w.charts()->isVisible());
    }

    void aPdfThatCannotBeWrittenIsSaidAndTheWindowStays() {
        ChartTestWindow w;
        openOnHistory(w);
        w.charts()->setPrintToPdf(true);
        const std::string file = w.dir.file("no such folder/推移.pdf");
        w.ui.pushMessageAnswer(MsgResult::Ok);
        w.ui.pushSaveFileName(file);
        w.click("btnGraphPrint");
        const std::vector<Message> said = w.ui.messages();
        QCOMPARE(said.size(), std::size_t{2});  // the ready question, then the trouble
        QCOMPARE(said[1].kind, MsgKind::Warning);
        QVERIFY2(said[1].text.find("保存できませんでした") != std::string::npos, said[1].text.c_str());
        QVERIFY(!QFile::exists(QString::fromStdString(file)));
        QVERIFY(w.charts()->isVisible());
        QVERIFY(w.find<QPushButton>("btnGraphPrint")->isEnabled());
    }
};

KAKEIBO_REGISTER_TEST(ChartOutputTest);
#include "ChartOutputTest.moc"
