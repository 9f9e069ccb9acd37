// The main window's safety net as a person meets it: a window killed after
// typing comes back at the next start, a copy being written is never left
// half, a close on a full disk keeps the window open, another writer's file
// is never overwritten, and a backup is restored from the File menu.

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>

#include "app/GracefulQuit.h"
#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/safety/BackupListDialog.h"
#include "app/safety/RecoveryScheduler.h"
#include "safety/BackupGenerations.h"
#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "support/SampleBooks.h"
#include "support/ScriptedUi.h"
#include "support/SmallFileSystem.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::SheetView;

namespace {

// The typing window in a process of its own, killed with SIGKILL.
class Typist {
public:
    Typist(const TempDir& dir, const char* mode) {
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(KAKEIBO_TYPIST_PATH, KAKEIBO_TYPIST_PATH, dir.path().c_str(), mode, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = out[0];
    }
    ~Typist() {
        kill();
        if (out_ >= 0) ::close(out_);
    }

    // The first line it writes, or the empty text when it wrote none in time.
    std::string readLine(int timeoutMs = 60000) {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd wait{out_, POLLIN, 0};
            if (::poll(&wait, 1, 100) <= 0) continue;
            char c;
            if (::read(out_, &c, 1) != 1) break;
            if (c == '\n') return line;
            line += c;
        }
        return {};
    }

    // SIGKILL, as a power cut or a crash ends the program.
    bool kill() {
        if (pid_ <= 0) return false;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

std::unique_ptr<TForm1> startWindow(const TempDir& dir, UiPort& ui) {
    auto form = std::make_unique<TForm1>(dir.path(), ui);
    form->show();
    (void)QTest::qWaitForWindowExposed(form.get());
    return form;
}

std::string summaryOf(const Book& book) {
    std::string summary = "ready";
    const Sheet& matome = book.GridMatome;
    for (int row = 1; row < matome.rowCount(); ++row) summary += "|" + matome.cell(0, row) + "=" + matome.cell(1, row);
    return summary;
}

bool anyQuestion(const ScriptedUi& ui) {
    for (const Message& m : ui.messages())
        if (m.buttons == MsgButtons::OkCancel) return true;
    return false;
}

// A closed book with one card in dir, so a data file is there to replace.
void closedBook(const TempDir& dir) {
    ScriptedUi ui;
    TForm1 form(dir.path(), ui);
    form.close();
}

}  // namespace

class RecoveryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aKilledWindowComesBackWhenTheDefaultButtonIsPressed() {
        TempDir dir;
        closedBook(dir);
        Typist typist(dir, "once");
        const std::string ready = typist.readLine();
        QVERIFY2(ready.rfind("ready", 0) == 0, "the typist never saw its recovery copy");
        QVERIFY(typist.kill());
        QVERIFY(dir.exists("Mirab050.recovery.mrb"));

        // The next start with the program's own boxes: Enter on the question.
        QString question;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                question = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        answer.start(50);
        TForm1 form(dir.path());
        answer.stop();
        QVERIFY2(question.contains(QStringLiteral("復元しますか")), qPrintable(question));
        QCOMPARE(form.book().GridShishutu.cell(0, 1), std::string("昼食"));
        QCOMPARE(form.book().GridShishutu.cell(1, 1), std::string("800"));
        QCOMPARE(form.book().Memo1, std::string("電池を買う"));
        QCOMPARE(summaryOf(form.book()), ready);  // the calculated summary too
        QVERIFY(!dir.exists("Mirab050.recovery.mrb"));
        QCOMPARE(listGenerations(dir.path()).size(), std::size_t{1});  // the file it replaced
        form.close();
    }

    void declinedTheCopyIsKeptUnderADatedName() {
        TempDir dir;
        closedBook(dir);
        const auto dataFile = dir.read("Mirab050.mrb");
        Typist typist(dir, "once");
        QVERIFY(typist.readLine().rfind("ready", 0) == 0);
        QVERIFY(typist.kill());
        ScriptedUi ui;
        ui.pushMessageAnswer(MsgResult::Cancel);
        auto form = startWindow(dir, ui);
        QCOMPARE(form->book().GridShishutu.cell(0, 1), std::string());
        QVERIFY(!dir.namesStartingWith("Mirab050.recovery-").empty());
        QVERIFY(!dir.exists("Mirab050.recovery.mrb"));
        QCOMPARE(dir.read("Mirab050.mrb"), dataFile);
        form->close();
    }

    void aCopyKilledWhileBeingWrittenIsTheOldOrTheNewOneWhole() {
        TempDir dir;
        closedBook(dir);
        const auto dataFile = dir.read("Mirab050.mrb");
        std::mt19937 random(7);
        for (int round = 0; round < 4; ++round) {
            Typist typist(dir, "churn");
            QVERIFY(typist.readLine() == "ready");
            QTest::qWait(std::uniform_int_distribution<int>(0, 300)(random));
            QVERIFY(typist.kill());
            const auto bytes = dir.read("Mirab050.recovery.mrb");
            QVERIFY2(bytes, "the recovery copy is gone");
            const auto parts = decodeRecoveryFile(*bytes);
            QVERIFY2(parts, "the recovery copy is not whole");
            DataImage image;
            QCOMPARE(decodeDataFile(parts->data, image), ReadOutcome::Ok);
            QVERIFY(image.cards.back().memo.find("あ") != std::string::npos);
            QCOMPARE(dir.read("Mirab050.mrb"), dataFile);
            // The next round starts from the files, not from this copy.
            QVERIFY(std::filesystem::remove(dir.file("Mirab050.recovery.mrb")));
        }
    }

    void aCloseOnAFullDiskKeepsTheWindowOpenUntilThereIsRoom() {
        SmallFileSystem disk("1m");
        if (!disk.mounted()) QSKIP(qPrintable(QString::fromStdString(disk.refusal())));
        const TempDir& dir = disk.dir();
        const std::string book = encodeDataFile(bookOfDays(*makeDate(2025, 12, 1), 365));
        dir.write("Mirab050.mrb", book);
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        dir.write("filler", std::string(1024 * 1024 - book.size() - 200 * 1024, 'x'));
        auto* grid = form->findChild<SheetView*>("GridShishutu");
        QVERIFY(grid->model()->setData(grid->model()->index(1, 0), QStringLiteral("昼食")));
        ui.clear();
        ui.pushMessageAnswer(MsgResult::Cancel);

        form->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(form->isVisible());
        const std::vector<std::string> texts = ui.texts();
        QVERIFY(std::find(texts.begin(), texts.end(), "ファイル書き込みに失敗しました") != texts.end());
        QVERIFY(anyQuestion(ui));
        QCOMPARE(dir.read("Mirab050.mrb"), book);
        QCOMPARE(form->book().GridShishutu.cell(0, 1), std::string("昼食"));

        // Room made: closing again writes the line and ends.
        ::unlink(dir.file("filler").c_str());
        ui.clear();
        form->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(!form->isVisible());
        QVERIFY(ui.messages().empty());
        DataImage written;
        QCOMPARE(decodeDataFile(*dir.read("Mirab050.mrb"), written), ReadOutcome::Ok);
        QCOMPARE(written.cards.back().spendList.at(0).item, std::string("昼食"));
    }

    void aCloseThatFailedThenAnEndingForcedByTheDesktopKeepsTheCopy() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        form->findChild<QPlainTextEdit*>("Memo1")->insertPlainText(QStringLiteral("最後の入力"));
        // The month file cannot be written; everything else can.
        QVERIFY(std::filesystem::create_directory(dir.file("Mirab050.mmm")));
        ui.clear();
        ui.pushMessageAnswer(MsgResult::Cancel);
        form->close();
        QVERIFY(form->isVisible());

        kakeibo::shell::GracefulQuit quit(*form, [] {}, [&form] { form->closeForcedByDesktop(); });
        ui.clear();
        std::raise(SIGTERM);
        QTRY_VERIFY(!form->isVisible());
        QVERIFY(!anyQuestion(ui));
        const auto parts = decodeRecoveryFile(*dir.read("Mirab050.recovery.mrb"));
        QVERIFY(parts);
        DataImage image;
        QCOMPARE(decodeDataFile(parts->data, image), ReadOutcome::Ok);
        QCOMPARE(image.cards.back().memo, std::string("最後の入力\r\n"));
    }

    void anotherWritersFileIsLeftAndTheBookGoesBesideIt() {
        TempDir dir;
        closedBook(dir);
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        form->findChild<QPlainTextEdit*>("Memo1")->insertPlainText(QStringLiteral("こちらの入力"));
        DataImage other;
        other.note = "other computer";
        dir.write("Mirab050.mrb", encodeDataFile(other));
        ui.clear();
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(dir.read("Mirab050.mrb"), encodeDataFile(other));
        QCOMPARE(ui.messages().size(), std::size_t{1});
        QCOMPARE(ui.messages()[0].kind, MsgKind::Warning);
        QVERIFY(ui.texts()[0].find("Mirab050.conflict-") != std::string::npos);
    }

    void aBackupIsChosenFromTheListAndRestored() {
        TempDir dir;
        DataImage old;
        old.note = "先週の家計簿";
        keepGeneration(dir.path(), encodeDataFile(old), *makeDate(2026, 12, 1), *makeDate(2026, 12, 1));
        keepGeneration(dir.path(), "broken", *makeDate(2026, 12, 2), *makeDate(2026, 12, 2));
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        int rows = -1;
        bool restoreEnabled = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<kakeibo::shell::BackupListDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* list = dialog->findChild<QTableWidget*>("GridBackups");
            rows = list->rowCount();
            restoreEnabled = dialog->findChild<QPushButton*>("btnRestore")->isEnabled();
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnRestore"), Qt::LeftButton);
        });
        ui.clear();
        form->findChild<QAction*>("mnuRestoreBackup")->trigger();
        QCOMPARE(rows, 2);
        QVERIFY(restoreEnabled);  // the newest readable one is chosen
        QCOMPARE(form->book().MemoOboe, std::string("先週の家計簿"));
        // The memo page, built when first shown, shows the restored note.
        QVERIFY(!form->findChild<QPlainTextEdit*>("MemoOboe"));
        form->showPage(kakeibo::Page::TabMemo, kakeibo::SubPage::TabOboe);
        QCOMPARE(form->findChild<QPlainTextEdit*>("MemoOboe")->toPlainText(), QStringLiteral("先週の家計簿"));
        QVERIFY(anyQuestion(ui));
        form->close();
    }
};

KAKEIBO_REGISTER_TEST(RecoveryWindowTest);
#include "RecoveryWindowTest.moc"
