// A person at the real main window, for tests that kill the program: run
// as a process of its own on the offscreen platform, it types into the
// window in the program folder it is given and tells on standard output
// when a recovery copy holds its work, then goes on until it is killed.
//   kakeibo_typist FOLDER once    a line, a memo, 計算する; "ready" and the
//                                 summary sheet's cells once a copy holds them
//   kakeibo_typist FOLDER churn   a memo that keeps changing, copies written
//                                 as often as they can be; "ready" after the first

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/safety/RecoveryScheduler.h"
#include "support/ScriptedUi.h"

using namespace kakeibo;

namespace {

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

bool copyWritten(TForm1& form) {
    return !form.recoveryScheduler().busy() && form.book().safety.recovery.latestOnDisk() &&
           std::filesystem::exists(form.book().folder + "Mirab050.recovery.mrb");
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    const std::string mode = argv[2];
    ScriptedUi ui;  // every box answered OK
    TForm1 form(argv[1], ui);
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    auto* grid = form.findChild<shell::SheetView*>("GridShishutu");
    auto* memo = form.findChild<QPlainTextEdit*>("Memo1");

    if (mode == "once") {
        grid->model()->setData(grid->model()->index(1, 0), QStringLiteral("昼食"));
        grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("800"));
        memo->setFocus();
        memo->insertPlainText(QStringLiteral("電池を買う"));
        QTest::mouseClick(form.findChild<QPushButton*>("btnCalc"), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return copyWritten(form); }, 30000)) return 3;
        std::string summary = "ready";
        const Sheet& matome = form.book().GridMatome;
        for (int row = 1; row < matome.rowCount(); ++row) summary += "|" + matome.cell(0, row) + "=" + matome.cell(1, row);
        say(summary);
    } else {
        form.recoveryScheduler().setDelays(1, 1);
        memo->insertPlainText(QStringLiteral("あ"));
        if (!QTest::qWaitFor([&] { return copyWritten(form); }, 30000)) return 3;
        say("ready");
        QTimer typing;
        QObject::connect(&typing, &QTimer::timeout, [&] { memo->insertPlainText(QStringLiteral("い")); });
        typing.start(5);
        return app.exec();
    }
    return app.exec();
}
