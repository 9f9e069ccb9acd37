// Pictures of the graph window's four charts over a generated 20-year book,
// for a person to look at, in the light theme and the week and history
// also in a dark one. Runs only when the folder for the pictures is given
// (scripts/screenshots.sh sets it) and the book generator is built in.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include "app/TForm1.h"
#include "app/charts/ChartWindow.h"
#include "book/Book.h"
#include "book/MonthSummary.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#ifdef KAKEIBO_BOOK_GENERATOR
#include "generator/BenchBook.h"
#include "GeneratedBookForm.h"
#endif
#include "support/CardEdit.h"
#include "support/FixedToday.h"
#include "PrintDialogTestPages.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    return dark;
}

}  // namespace

class ChartScreenshotTool : public QObject {
    Q_OBJECT
private slots:
    void grabEveryChart() {
        const QString folder = qEnvironmentVariable("KAKEIBO_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
#ifndef KAKEIBO_BOOK_GENERATOR
        QSKIP("built without the book generator (KAKEIBO_BENCH=OFF)");
#else
        QDir().mkpath(folder);
        testing::GeneratedBookForm generated;
        QVERIFY(generated.open());
        shell::TForm1& form = *generated.form;
        ScriptedUi& ui = generated.ui;
        // The generated book's categories, with thousands separators; the
        // fiscal months, the week and the year of late 2025 summed.
        form.runCommand([](Book& book) {
            applyGeneratedSettings(book);
            book.chkBoxComma = true;
            storeTheMonth(book);
            for (int month = 1; month <= 12; ++month) {
                dispTheMonth(book, dayOf(2025, month, 1));
                btnSumMonthClick(book);
            }
            dispTheMonth(book, dayOf(2025, 11, 1));
            btnSumMonthClick(book);
            storeWeekAndYear(book);
            dispTheWY(book, kYearMode, dayOf(2025, 1, 1));
            btnSumYearClick(book);
            dispTheWY(book, kWeekMode, dayOf(2025, 11, 19));
            btnSumWeekClick(book);
        });
        form.showCharts(ChartTab::Week);
        auto* charts = form.findChild<shell::ChartWindow*>(QStringLiteral("FormGraph"));
        QVERIFY(charts);
        QVERIFY(QTest::qWaitForWindowExposed(charts));
        auto shoot = [&](ChartTab tab, const QString& name) {
            charts->showTab(tab);
            QTest::qWait(50);
            QVERIFY(charts->grab().save(folder + "/" + name + ".png"));
        };
        // The pictures "PNG で保存" writes: the heading and charts whole.
        auto savePicture = [&](ChartTab tab, const QString& name) {
            charts->showTab(tab);
            QTest::qWait(50);
            ui.pushSaveFileName((folder + "/" + name).toStdString());
            charts->btnGraphSavePngClick();
            QVERIFY(QFile::exists(folder + "/" + name + ".png"));
        };
        savePicture(ChartTab::Month, "57-GraphMonthPicture");
        savePicture(ChartTab::Year, "58-GraphYearPicture");
        shoot(ChartTab::Week, "50-GraphWeek");
        shoot(ChartTab::Month, "51-GraphMonth");
        shoot(ChartTab::Year, "52-GraphYear");
        shoot(ChartTab::History, "53-GraphHistory");
        // The last year, with a fortnight of cards in it never calculated.
        form.runCommand([](Book& book) {
            for (Date day = dayOf(2025, 6, 1); day < dayOf(2025, 6, 15); ++day)
                if (const auto index = book.cards.find(day)) editCard(book.cards, *index).budgetList.clear();
        });
        charts->findChild<QPushButton*>(QStringLiteral("btnGraphRange1"))->click();
        shoot(ChartTab::History, "54-GraphHistoryYearWithGap");
        charts->findChild<QPushButton*>(QStringLiteral("btnGraphRangeAll"))->click();
        // The pages "印刷" makes, here into PDF files, as paper shows them.
        auto printPage = [&](ChartTab tab, const QString& name) {
            charts->showTab(tab);
            QTest::qWait(50);
            charts->setPrintToPdf(true);
            ui.pushMessageAnswer(MsgResult::Ok);
            const QString pdf = folder + "/" + name + ".pdf";
            ui.pushSaveFileName(pdf.toStdString());
            charts->btnGraphPrintClick();
            const auto page = testing::renderPdfPage(pdf, 60);
            QVERIFY(page);
            QVERIFY(page->picture.save(folder + "/" + name + ".png"));
            QFile::remove(pdf);
        };
        printPage(ChartTab::Month, "59-GraphMonthPrinted");
        charts->setPalette(darkPalette());
        shoot(ChartTab::History, "55-GraphHistoryDark");
        shoot(ChartTab::Week, "56-GraphWeekDark");
        printPage(ChartTab::History, "60-GraphHistoryPrintedFromDark");
        charts->close();
        form.close();
#endif
    }
};

KAKEIBO_REGISTER_TEST(ChartScreenshotTool);
#include "ChartScreenshotTool.moc"
