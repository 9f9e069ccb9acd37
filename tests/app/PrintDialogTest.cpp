// The print dialog: its texts and choices for each print, the font applied
// from the font dialog, the original controls where they were with the
// preview and PDF buttons below them, the questions and file names of a
// print, and what the person is told when a PDF cannot be written.

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/QtUiPort.h"
#include "dialogs/PrintDialog.h"
#include "support/SummedBook.h"
#include "support/TempDir.h"
#include "PrintDialogTestPages.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;
using namespace kakeibo::testing;

class PrintDialogTest : public QObject {
    Q_OBJECT

    static QPushButton* button(PrintDialog& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }
    static void press(PrintDialog& dialog, const char* name) {
        QTest::mouseClick(button(dialog, name), Qt::LeftButton);
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

    // The preview and PDF buttons come after every original control, in
    // their own row, and Enter still prints.
    void keepsItsControlsAndAddsPreviewAndPdfBelowThem() {
        SummedBook setup;
        PrintDialog dialog(setup.book, makeWeekPrintJob(setup.book), nullptr);
        dialog.open();
        const std::pair<const char*, QRect> original[] = {{"btnPrtSet", {24, 166, 145, 30}},
                                                          {"btnFont", {186, 166, 145, 30}},
                                                          {"btnCancel", {24, 210, 145, 30}},
                                                          {"btnPrint", {186, 210, 145, 30}}};
        for (const auto& [name, geometry] : original) QCOMPARE(button(dialog, name)->geometry(), geometry);
        QCOMPARE(dialog.findChild<QGroupBox*>("pnlPrintWhich")->geometry(), QRect(24, 112, 307, 40));
        QCOMPARE(button(dialog, "btnPreview")->text(), QStringLiteral("プレビュー"));
        QCOMPARE(button(dialog, "btnSavePdf")->text(), QStringLiteral("PDFに保存"));
        for (const char* added : {"btnPreview", "btnSavePdf"}) {
            const QRect geometry = button(dialog, added)->geometry();
            QVERIFY(geometry.top() > 240);
            QVERIFY(dialog.rect().contains(geometry));
        }
        QVERIFY(button(dialog, "btnPrint")->isDefault());
        QVERIFY(!button(dialog, "btnPreview")->isDefault() && !button(dialog, "btnPreview")->autoDefault());
        QVERIFY(!button(dialog, "btnSavePdf")->autoDefault());

        setup.ui.pushMessageAnswer(MsgResult::Cancel);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(setup.ui.texts(), std::vector<std::string>{"プリンタの用意はできていますか？"});
        QVERIFY(dialog.isVisible());
        dialog.reject();
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
        const FileDialogRequest request = setup.ui.saveRequests()[0];
        QCOMPARE(toQtNameFilters(request.filter), QStringList{QStringLiteral("PDF ファイル (*.pdf)")});
        QCOMPARE(request.initialFile, setup.book.folder + "W2000-51.pdf");
        dialog.reject();
    }

    // Printing to a file chosen in the printer setup writes that file
    // without asking for a name again.
    void printsIntoTheFileChosenInTheSetup() {
        SummedBook setup;
        TempDir dir;
        PrintDialog dialog(setup.book, makeWeekPrintJob(setup.book), nullptr);
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(QString::fromStdString(dir.file("chosen.pdf")));
        dialog.open();
        setup.ui.pushMessageAnswer(MsgResult::Ok);
        press(dialog, "btnPrint");
        QVERIFY(!dialog.isVisible());
        QVERIFY(setup.ui.saveRequests().empty());
        QVERIFY(dir.read("chosen.pdf")->starts_with("%PDF"));
    }

    // PDFに保存 needs no printer and asks nothing but the file's name.
    void savesAPdfAtAnyTime() {
        SummedBook setup;
        TempDir dir;
        PrintDialog dialog(setup.book, makeMonthPrintJob(setup.book), nullptr);
        dialog.open();
        setup.ui.pushSaveFileName(dir.file("M2000-12"));
        press(dialog, "btnSavePdf");
        QVERIFY(setup.ui.texts().empty());
        QCOMPARE(setup.ui.saveRequests().size(), std::size_t{1});
        QCOMPARE(setup.ui.saveRequests()[0].title, std::string("PDFに保存"));
        QCOMPARE(toQtNameFilters(setup.ui.saveRequests()[0].filter),
                 QStringList{QStringLiteral("PDF ファイル (*.pdf)")});
        QCOMPARE(setup.ui.saveRequests()[0].initialFile, setup.book.folder + "M2000-12.pdf");
        QVERIFY(!dialog.isVisible());
        const QString pdf = QString::fromStdString(dir.file("M2000-12.pdf"));
        QVERIFY(QFile::exists(pdf));
        if (pdfPageCount(pdf) == 0) QSKIP("poppler's pdfinfo is not installed");
        QCOMPARE(pdfPageCount(pdf), 1);
    }

    // A file that cannot be written is said, the older file of that name
    // is left whole and the dialog stays for another try.
    void saysWhenThePdfCannotBeWrittenAndKeepsTheOlderFile() {
        SummedBook setup;
        TempDir dir;
        dir.write("week.pdf", "the older page");
        PrintDialog dialog(setup.book, makeWeekPrintJob(setup.book), nullptr);
        dialog.open();
        setup.ui.pushSaveFileName(dir.file("no such folder/week.pdf"));
        press(dialog, "btnSavePdf");
        QVERIFY(dialog.isVisible());
        QCOMPARE(setup.ui.texts().size(), std::size_t{1});
        QVERIFY(setup.ui.texts()[0].starts_with("PDF ファイル「"));
        QVERIFY(setup.ui.texts()[0].find("を保存できませんでした") != std::string::npos);
        QCOMPARE(setup.ui.messages()[0].kind, MsgKind::Warning);

        // The save replaces a file only once the new one is whole.
        setup.ui.pushSaveFileName(dir.file("week.pdf"));
        press(dialog, "btnSavePdf");
        QVERIFY(!dialog.isVisible());
        QVERIFY(dir.read("week.pdf")->starts_with("%PDF"));
    }

    // The preview's print button prints as 印刷する does: it asks first,
    // stays open when the answer is Cancel, and closes with the dialog
    // once the page is printed.
    void printsFromThePreviewAsThePrintButtonDoes() {
        SummedBook setup;
        TempDir dir;
        PrintDialog dialog(setup.book, makeYearPrintJob(setup.book), nullptr);
        dialog.setPrintToPdf(true);
        dialog.open();
        bool orientationHidden = false;
        bool stayedAfterCancel = false;
        whenPreviewOpens([&](QPrintPreviewDialog& preview) {
            QAction* print = nullptr;
            orientationHidden = true;
            for (QAction* action : preview.findChildren<QAction*>()) {
                const QString text = action->text();
                if (text == QCoreApplication::translate("QPrintPreviewDialog", "Print")) print = action;
                if (text == QCoreApplication::translate("QPrintPreviewDialog", "Landscape") && action->isVisible()) {
                    orientationHidden = false;
                }
            }
            if (!print) return preview.reject();
            setup.ui.pushMessageAnswer(MsgResult::Cancel);
            print->trigger();
            stayedAfterCancel = preview.isVisible();
            setup.ui.pushSaveFileName(dir.file("year.pdf"));
            print->trigger();
            if (preview.isVisible()) preview.reject();
        });
        press(dialog, "btnPreview");
        QVERIFY(orientationHidden);
        QVERIFY(stayedAfterCancel);
        QCOMPARE(setup.ui.texts(),
                 (std::vector<std::string>{"プリンタの用意はできていますか？", "プリンタの用意はできていますか？"}));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dir.exists("year.pdf"));
    }
};

KAKEIBO_REGISTER_TEST(PrintDialogTest);
#include "PrintDialogTest.moc"
