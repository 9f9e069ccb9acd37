// The print dialog: its texts and choices for each print, the font applied
// from the font dialog, and a weekly and a monthly print going to PDF when
// the machine has no printer, read back with poppler's tools.

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include "book/Book.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "dialogs/PrintDialog.h"
#include "support/FixedToday.h"
#include "support/LaidOutBook.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;

namespace {

// The output of a poppler tool on a file, or an empty text when the tool is missing.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

    // A book on 10 December 2000 with one spending line, the week and the
    // fiscal month of that day summed.
    struct SummedBook {
        ScriptedUi ui;
        Book book{ui};
        SummedBook() {
            layOutBookOn(book, dayOf(2000, 12, 10));
            book.GridSetGenkinOut.setCell(0, 1, "食費");
            book.GridSetGenkinOut.setCell(1, 1, "30000");
            book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
            book.GridSetSonota.setCell(1, 2, "花子");
            book.chkBoxComma = true;
            settingAll(book);
            const Date today = book.today();
            book.GridShishutu.setCell(0, 1, "昼食");
            book.GridShishutu.setCell(1, 1, "1234");
            book.GridShishutu.setCell(2, 1, "食費");
            book.GridShuNyu.setCell(0, 1, "小遣い");
            book.GridShuNyu.setCell(1, 1, "5000");
            book.GridShuNyu.setCell(2, 1, "お小遣い");
            storeTheDay(book);
            dispTheWY(book, kWeekMode, today);
            btnSumWeekClick(book);
            dispTheMonth(book, getMonthKey(today, book.shonichi()));
            btnSumMonthClick(book);
            dispTheWY(book, kYearMode, today);
            btnSumYearClick(book);
            ui.clear();
        }
    };

    static void press(PrintDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void showsTheJobOfEachPrint() {
        SummedBook setup;
        PrintDialog week(setup.book, makeWeekPrintJob(setup.book), nullptr);
        week.open();
        QCOMPARE(week.windowTitle(), QStringLiteral("週間集計の印刷"));
        QCOMPARE(week.findChild<QLabel*>("lblPrint")->text(), QStringLiteral("2000 年度"));
        QVERIFY(week.findChild<QLabel*>("lblPrint2")->isVisible());
        QCOMPARE(week.findChild<QLabel*>("lblFont")->text(), QStringLiteral("ＭＳ 明朝"));
        QVERIFY(week.findChild<QGroupBox*>("pnlPrintWhich")->isVisible());
        QVERIFY(week.findChild<QRadioButton*>("rdBtnPrintBoth")->isChecked());
        week.FontDialog1Apply(QStringLiteral("IPAGothic"));
        QCOMPARE(week.findChild<QLabel*>("lblFont")->text(), QStringLiteral("IPAGothic"));
        QCOMPARE(week.job().fontName, std::string("IPAGothic"));
        week.reject();

        PrintDialog year(setup.book, makeYearPrintJob(setup.book), nullptr);
        QVERIFY(year.findChild<QRadioButton*>("rdBtnPrintShishutu")->isChecked());
        PrintDialog month(setup.book, makeMonthPrintJob(setup.book), nullptr);
        month.open();
        QVERIFY(!month.findChild<QGroupBox*>("pnlPrintWhich")->isVisible());
        QVERIFY(!month.findChild<QLabel*>("lblPrint2")->isVisible());
        month.reject();
    }

    void waitsWhenThePrinterIsNotReadyOrNoFileIsNamed() {
        SummedBook setup;
        PrintDialog dialog(setup.book, makeWeekPrintJob(setup.book), nullptr);
        dialog.setPrintToPdf(true);
        dialog.open();
        setup.ui.pushMessageAnswer(MsgResult::Cancel);
        press(dialog, "btnPrint");
        QVERIFY(dialog.isVisible());
        QCOMPARE(setup.ui.texts(), std::vector<std::string>{"プリンタの用意はできていますか？"});
        QVERIFY(setup.ui.saveRequests().empty());

        press(dialog, "btnPrint");  // ready, but the file dialog is cancelled
        QVERIFY(dialog.isVisible());
        QCOMPARE(setup.ui.saveRequests().size(), std::size_t{1});
        QCOMPARE(setup.ui.saveRequests()[0].filter, std::string("PDF ファイル|*.pdf"));
        dialog.reject();
    }

    void printsTheWeekTheMonthAndTheYearToPdf() {
        SummedBook setup;
        TempDir dir;
        auto print = [&](PrintJob job, const char* name) {
            PrintDialog dialog(setup.book, std::move(job), nullptr);
            dialog.setPrintToPdf(true);
            dialog.open();
            setup.ui.pushSaveFileName(dir.file(name));  // the extension is added
            press(dialog, "btnPrint");
            QVERIFY(!dialog.isVisible());
            const QString pdf = QString::fromStdString(dir.file(std::string(name) + ".pdf"));
            QVERIFY(QFile::exists(pdf));
            // KAKEIBO_KEEP_PDF names a folder that keeps the pages for a person to look at.
            const QString keep = qEnvironmentVariable("KAKEIBO_KEEP_PDF");
            if (!keep.isEmpty()) {
                QFile::remove(keep + "/" + name + ".pdf");
                QFile::copy(pdf, keep + "/" + name + ".pdf");
            }
        };
        print(makeWeekPrintJob(setup.book), "week");
        print(makeMonthPrintJob(setup.book), "month");
        PrintJob year = makeYearPrintJob(setup.book);
        year.which = PrintWhich::Both;
        print(year, "year");

        const QString weekText = popplerOutput("pdftotext", {QString::fromStdString(dir.file("week.pdf")), "-"});
        if (weekText.isEmpty()) QSKIP("poppler's pdftotext is not installed");
        for (const char* name : {"week.pdf", "month.pdf", "year.pdf"}) {
            QVERIFY(popplerOutput("pdfinfo", {QString::fromStdString(dir.file(name))})
                        .contains(QRegularExpression("Pages:\\s+1\\n")));
        }
        QVERIFY2(weekText.contains(QStringLiteral("2000 年度 第")), qPrintable(weekText));
        for (const QString& expected : {QStringLiteral("支出"), QStringLiteral("収入"), QStringLiteral("食費"),
                                        QStringLiteral("使用者：花子"), QStringLiteral("12/10（日）"),
                                        QStringLiteral("1,234"), QStringLiteral("5,000")})
            QVERIFY2(weekText.contains(expected), qPrintable(expected + "\n" + weekText));

        const QString monthText = popplerOutput("pdftotext", {QString::fromStdString(dir.file("month.pdf")), "-"});
        for (const QString& expected : {QStringLiteral("12月度"), QStringLiteral("家計合計"),
                                        QStringLiteral("まとめ"), QStringLiteral("1,234")})
            QVERIFY2(monthText.contains(expected), qPrintable(expected + "\n" + monthText));

        const QString yearText = popplerOutput("pdftotext", {QString::fromStdString(dir.file("year.pdf")), "-"});
        for (const QString& expected : {QStringLiteral("2000 年度"), QStringLiteral("12 月"),
                                        QStringLiteral("1,234"), QStringLiteral("5,000")})
            QVERIFY2(yearText.contains(expected), qPrintable(expected + "\n" + yearText));
    }
};

KAKEIBO_REGISTER_TEST(PrintDialogTest);
#include "PrintDialogTest.moc"
