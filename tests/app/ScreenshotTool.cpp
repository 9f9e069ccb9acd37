// Pictures of every page and sub-page of the main window over a small
// household book, for a person to look at. Runs only when the folder for
// the pictures is given (scripts/screenshots.sh sets it); otherwise skipped.

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTabWidget>
#include <QTest>

#include <QAbstractItemView>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QApplication>

#include "app/QtUiPort.h"
#include "app/SheetView.h"
#include "app/exchange/ImportDialog.h"
#include "app/safety/BackupListDialog.h"
#include "app/TForm1.h"
#include "app/search/SearchWindow.h"
#include "app/editing/CategoryComboBox.h"
#include "app/editing/SheetEditAids.h"
#include "dialogs/CalendarDialog.h"
#include "dialogs/DentakuWindow.h"
#include "dialogs/HibiOutDialog.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/YearMonthDialog.h"
#include "book/PrintLayout.h"
#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "exchange/ImportProfiles.h"
#include "storage/Cp932.h"
#include "PrintDialogTestPages.h"
#include "support/EntryLines.h"
#include "messages/SafetyMessages.h"
#include "support/ScriptedUi.h"
#ifdef KAKEIBO_BOOK_GENERATOR
#include "GeneratedBookForm.h"
#endif
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;

namespace {

void fillSettings(Book& book) {
    const std::pair<const char*, const char*> spending[] = {
        {"食費", "40000"}, {"日用品", "8000"}, {"交際費", "10000"}, {"交通費", "6000"}, {"医療費", "3000"}};
    int row = 1;
    for (auto [name, budget] : spending) {
        book.GridSetGenkinOut.setCell(0, row, name);
        book.GridSetGenkinOut.setCell(1, row++, budget);
    }
    book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
    book.GridSetGenkinIn.setCell(0, 2, "臨時収入");
    book.GridSetChokin.setCell(0, 1, "10000");
    book.EditBank[0] = "みずほ銀行";
    book.EditBank[1] = "ゆうちょ";
    Sheet& koza = book.GridSetKoza0;
    koza.setCell(0, 1, "電気代");
    koza.setCell(1, 1, "7000");
    koza.setCell(2, 1, "27");
    koza.setCell(0, 2, "電話代");
    koza.setCell(1, 2, "5000");
    koza.setCell(2, 2, "10");
    koza.setCell(3, 1, "VISAカード");
    koza.setCell(4, 1, "20000");
    koza.setCell(5, 1, "10");
    koza.setCell(6, 1, "給料");
    book.GridSetKoza1.setCell(0, 1, "保険料");
    book.GridSetKoza1.setCell(1, 1, "12000");
    book.GridSetSonota.setCell(1, 1, "25");
    book.GridSetSonota.setCell(1, 2, "山田花子");
    book.GridShokiGenkin.setCell(1, 0, "35000");
    book.GridShokiKoza.setCell(1, 1, "250000");
    book.chkBoxShokichiUse = true;
    book.chkBoxComma = true;
    book.chkBoxRedText = true;
    settingAll(book);
}

void fillCards(Book& book) {
    const Date today = book.today();
    storeTheDay(book);
    dispTheDay(book, today - 2);
    putLines(book.GridShishutu, {{"スーパー", "3280", "食費"}, {"洗剤", "398", "日用品"}, {"電車", "420", "交通費"}});
    putLines(book.GridKoza, {{"ATM", "20000", book.makeKozaLabel(0, 0).c_str()}});
    book.Memo1 = "スーパーの特売日";
    btnCalcMouseUp(book, false);
    dispTheDay(book, today - 1);
    putLines(book.GridShishutu, {{"パン屋", "650", "食費"}, {"靴", "5800", "VISAカード"}});
    putLines(book.GridShuNyu, {{"お祝い返し", "3000", "臨時収入"}});
    book.Memo1 = "靴をカードで買った";
    btnCalcMouseUp(book, false);
    dispTheDay(book, today);
    putLines(book.GridShishutu, {{"昼食", "850", "食費"}, {"飲み会", "4500", "交際費"}, {"薬", "1200", "医療費"}});
    book.Memo1 = "同窓会の飲み会";
    btnCalcMouseUp(book, false);
    book.MemoOboe = "年末までに保険の見直し\n車検は３月";
}

// The folder for the pictures (made when missing), or empty when none was given.
QString picturesFolder() {
    const QString folder = qEnvironmentVariable("KAKEIBO_SCREENSHOTS");
    if (!folder.isEmpty()) QDir().mkpath(folder);
    return folder;
}

// The main window over the sample book, shown, in a folder of its own.
struct SampleWindow {
    TempDir dir;
    ScriptedUi ui;
    TForm1 form{dir.path(), ui};

    SampleWindow() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        form.runCommand(fillSettings);
        form.runCommand(fillCards);
    }
    ~SampleWindow() { form.close(); }
};

}  // namespace

class ScreenshotTool : public QObject {
    Q_OBJECT
private slots:
    void grabEveryPage() {
        const QString folder = picturesFolder();
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
        SampleWindow sample;
        TForm1& form = sample.form;

        auto* pageTop = form.findChild<QTabWidget*>("pageTop");
        auto shoot = [&](int page, const char* subPages, int sub, const QString& name) {
            pageTop->setCurrentIndex(page);
            if (subPages) form.findChild<QTabWidget*>(subPages)->setCurrentIndex(sub);
            QTest::qWait(30);
            QVERIFY(form.grab().save(folder + "/" + name + ".png"));
        };
        shoot(0, nullptr, 0, "1-TabInput");
        pageTop->setCurrentIndex(1);
        form.runCommand(btnSumWeekClick);
        form.runCommand(btnSumMonthClick);
        form.runCommand(btnSumYearClick);
        shoot(1, "subPageStat", 0, "2-TabWeek");
        shoot(1, "subPageStat", 1, "3-TabMonth");
        shoot(1, "subPageStat", 2, "4-TabYear");
        shoot(2, "subPageSet", 0, "5-TabGenkin");
        shoot(2, "subPageSet", 1, "6-TabAccount");
        shoot(2, "subPageSet", 2, "7-TabShokichi");
        shoot(2, "subPageSet", 3, "8-TabOthers");
        shoot(3, nullptr, 0, "9-TabCredit");
        shoot(4, "subPageMemo", 0, "10-TabOboe");
        shoot(4, "subPageMemo", 1, "11-TabMemoIchiran");
    }

    void grabEveryDialog() {
        const QString folder = picturesFolder();
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
        SampleWindow sample;
        TForm1& form = sample.form;
        Book& book = form.book();
        auto save = [&](QWidget* widget, const char* name) {
            widget->show();
            QTest::qWait(30);
            QVERIFY(widget->grab().save(folder + "/" + name + ".png"));
            widget->hide();
        };

        // The category list open over a spending line.
        auto* grid = form.findChild<kakeibo::shell::SheetView*>("GridShishutu");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(2, 4).center());
        auto* list = form.editAids().comboBox(CategoryCombo::Shishutu);
        QTRY_VERIFY(list->view()->isVisible());
        QTest::qWait(30);
        QVERIFY(form.grab().save(folder + "/20-CategoryList.png"));
        QVERIFY(list->view()->window()->grab().save(folder + "/21-CategoryListItems.png"));
        list->hidePopup();

        kakeibo::shell::CalendarDialog calendar(book, &form);
        save(&calendar, "22-Calendar");
        kakeibo::shell::YearMonthDialog yearMonth(sample.ui, book.today(), &form);
        yearMonth.setMonthShown(true);
        save(&yearMonth, "23-YearMonth");
        yearMonth.setMonthShown(false);
        save(&yearMonth, "24-Year");
        kakeibo::shell::HibiOutDialog hibi(book, &form);
        save(&hibi, "25-HibiOut");
        form.runCommand(btnSumWeekClick);
        kakeibo::shell::PrintDialog print(book, makeWeekPrintJob(book), &form);
        save(&print, "26-PrintWeek");
        // The preview of the weekly and the yearly print, as the preview button opens it.
        for (const auto& [job, name] : {std::pair{makeWeekPrintJob(book), "28-PrintPreviewWeek"},
                                        std::pair{makeYearPrintJob(book), "29-PrintPreviewYear"}}) {
            kakeibo::shell::PrintDialog dialog(book, job, &form);
            dialog.show();
            kakeibo::testing::whenPreviewOpens([&, name = name](QPrintPreviewDialog& preview) {
                QTest::qWait(50);
                QVERIFY(preview.grab().save(folder + "/" + name + ".png"));
                preview.reject();
            });
            QTest::mouseClick(dialog.findChild<QPushButton*>("btnPreview"), Qt::LeftButton);
            dialog.reject();
        }
        kakeibo::shell::DentakuWindow dentaku(book, std::nullopt, &form);
        save(&dentaku, "27-Calculator");
    }

    // The search window over a generated book of twenty years.
    void grabTheSearchWindow() {
        const QString folder = picturesFolder();
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
#ifndef KAKEIBO_BOOK_GENERATOR
        QSKIP("built without the book generator (KAKEIBO_BENCH=OFF)");
#else
        kakeibo::testing::GeneratedBookForm generated;
        QVERIFY(generated.open());
        TForm1& form = *generated.form;
        form.runCommand([](Book& book) {
            book.chkBoxComma = true;
            book.chkBoxRedText = true;
            // A refund, to show a negative amount among the results.
            storeTheDay(book);
            dispTheDay(book, *makeDate(2025, 6, 14));
            book.GridShishutu.setCell(0, 1, "パン屋（返品）");
            book.GridShishutu.setCell(1, 1, "-480");
            book.GridShishutu.setCell(2, 1, "食費");
        });
        form.mnuSearchClick();
        auto* search = form.findChild<kakeibo::shell::SearchWindow*>("FormSearch");
        QVERIFY(search);
        QVERIFY(QTest::qWaitForWindowExposed(search));
        search->findChild<QLineEdit*>("EditFromDate")->setText(QStringLiteral("2025/6/1"));
        search->findChild<QLineEdit*>("EditToDate")->setText(QStringLiteral("2025/6/30"));
        search->findChild<QLineEdit*>("EditSearchText")->setText(QStringLiteral("ぱん"));
        QTRY_VERIFY(!search->searching());
        QTest::qWait(50);
        QVERIFY(search->grab().save(folder + "/30-Search.png"));

        search->findChild<QLineEdit*>("EditFromDate")->setText(QStringLiteral("2025/13/1"));
        QTRY_VERIFY(!search->searching());
        QTest::qWait(30);
        QVERIFY(search->grab().save(folder + "/31-SearchUnreadableDate.png"));
        form.close();
#endif
    }

    void grabTheSafetyBoxes() {
        const QString folder = picturesFolder();
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
        SampleWindow sample;
        TForm1& form = sample.form;
        kakeibo::shell::QtUiPort boxes(&form);
        // Each box as the person sees it over the window, then closed.
        auto shootBox = [&](const char* name, const std::function<void()>& show) {
            bool shot = false;
            QTimer::singleShot(100, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shot = box->grab().save(folder + "/" + name + ".png");
                    box->reject();
                }
            });
            show();
            QVERIFY2(shot, name);
        };
        const std::string kept = sample.dir.path() + "Mirab050.recovery-20261208-213000.mrb";
        shootBox("40-RestoreQuestion", [&] { msgAskRestoreRecovery(boxes, "2026/12/08 21:30", kept); });
        shootBox("41-RecoveryPutAside", [&] { msgRecoveryPutAside(boxes, kept); });
        shootBox("42-ChangedElsewhere", [&] {
            msgDataFileChangedElsewhere(boxes, sample.dir.path() + "Mirab050.mrb",
                                        sample.dir.path() + "Mirab050.conflict-20261208-213000.mrb");
        });
        shootBox("43-FailedClose", [&] { msgEndAfterFailedClose(boxes, true); });
        shootBox("44-FailedCloseNoCopy", [&] { msgEndAfterFailedClose(boxes, false); });

        std::vector<GenerationSummary> generations;
        for (int day : {8, 7, 5, 1}) {
            generations.push_back({*makeDate(2026, 12, day), "", true, 340 + day, *makeDate(2026, 12, day)});
        }
        generations.push_back({*makeDate(2026, 11, 30), "", false, 0, std::nullopt});
        generations.push_back({*makeDate(2026, 10, 31), "", true, 310, *makeDate(2026, 10, 31)});
        kakeibo::shell::BackupListDialog list(generations, &form);
        list.show();
        QTest::qWait(30);
        QVERIFY(list.grab().save(folder + "/45-BackupList.png"));
    }

    // The import dialog over a bank's Shift-JIS statement of the last days,
    // with the bank's saved profile and two rules: a line already on its
    // card, an account line, an income line, a new card and a bad row.
    void grabTheImportDialog() {
        const QString folder = picturesFolder();
        if (folder.isEmpty()) QSKIP("no folder for the pictures (KAKEIBO_SCREENSHOTS)");
        SampleWindow sample;
        TForm1& form = sample.form;
        Book& book = form.book();
        const Date today = book.today();
        auto day = [&](int back) { return dateToText(0, today - back); };
        ImportMemory memory;
        memory.rules = {{"ATM", book.makeKozaLabel(0, 0)}, {"ｷﾕｳﾖ", "お小遣い"}, {"ﾄﾞﾗﾂｸﾞ", "医療費"}};
        ImportProfile bank;
        bank.name = "みずほ銀行";
        bank.statement.csv.skipLines = 1;
        bank.statement.columns = CsvColumns{1, 2, 3, AmountSign::OutNegative, 0, 0, DateForm::Auto};
        bank.defaultOut = "食費";
        bank.defaultIn = "臨時収入";
        memory.profiles = {bank};
        memory.lastProfile = bank.name;
        QVERIFY(saveImportMemory(book.folder, memory));
        const std::string statement = "日付,お取引内容,金額,残高\r\n" + day(3) + ",ｺﾝﾋﾞﾆ,-540,98000\r\n" + day(2) +
                                      ",スーパー,\"-3,280\",94720\r\n" + day(2) + ",ATM,-20000,74720\r\n" + day(1) +
                                      ",ｷﾕｳﾖ ﾌﾘｺﾐ,\"3,000\",77720\r\n" + day(1) +
                                      ",ﾄﾞﾗﾂｸﾞｽﾄｱ,-1280,76440\r\n" + "12/34,ｶ-ﾄﾞ,-980,75460\r\n";
        const std::string path = sample.dir.file("meisai.csv");
        sample.dir.write("meisai.csv", *utf8ToCp932(statement));
        form.runCommand(storeTheDay);
        kakeibo::shell::ImportDialog dialog(book, ChosenStatement{path, *utf8ToCp932(statement)},
                                            [&form](const std::function<void(Book&)>& c) { form.runCommand(c); },
                                            &form);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(50);
        QVERIFY(dialog.grab().save(folder + "/50-Import.png"));
    }
};

KAKEIBO_REGISTER_TEST(ScreenshotTool);
#include "ScreenshotTool.moc"
