// The boxes of the window program: message boxes placed beside the main
// window, the splash and version boxes and the wait box.

#include <functional>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QScreen>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "TestRegistry.h"
#include "app/QtUiPort.h"
#include "app/SplashBox.h"
#include "app/WaitBox.h"

using namespace kakeibo;
using namespace kakeibo::shell;

namespace {

// Runs inspect on the next modal dialog once it is up; inspect must close it.
void whenModalShows(std::function<void(QWidget*)> inspect) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
        }
    });
    timer->start();
}

QPushButton* buttonNamed(QWidget* box, const QString& text) {
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

}  // namespace

class ShellBoxesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window_ = new QMainWindow;
        window_->resize(700, 560);
        window_->move(100, 120);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { delete window_; }

    void messageBoxesOpenAtTheirOffsetWithTheirKind() {
        QtUiPort ui(window_);
        const QPoint origin = window_->frameGeometry().topLeft();
        QPoint shownAt;
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shownAt = box->pos();
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            buttonNamed(box, QStringLiteral("OK"))->click();
        });
        const MsgResult result = ui.showMessage(
            Message{"これが最後のカードです\r\n次の行", MsgKind::Information, MsgButtons::Ok, 320, 120});
        QCOMPARE(result, MsgResult::Ok);
        QCOMPARE(shownAt, origin + QPoint(320, 120));
        QCOMPARE(caption, QStringLiteral("情報"));
        QCOMPARE(text, QStringLiteral("これが最後のカードです\n次の行"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, 1);
    }

    void confirmationsAnswerCancelWhenClosedOrCancelled() {
        QtUiPort ui(window_);
        QString caption;
        whenModalShows([&](QWidget* modal) {
            caption = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(ui.showMessage(Message{"削除しますか？", MsgKind::Confirmation, MsgButtons::OkCancel, 250, 100}),
                 MsgResult::Cancel);
        QCOMPARE(caption, QStringLiteral("確認"));

        whenModalShows([](QWidget* modal) { buttonNamed(modal, QStringLiteral("キャンセル"))->click(); });
        QCOMPARE(ui.showMessage(Message{"x", MsgKind::Confirmation, MsgButtons::OkCancel, 0, 0}), MsgResult::Cancel);
        whenModalShows([](QWidget* modal) { buttonNamed(modal, QStringLiteral("OK"))->click(); });
        QCOMPARE(ui.showMessage(Message{"x", MsgKind::Confirmation, MsgButtons::OkCancel, 0, 0}), MsgResult::Ok);
        // A box with OK alone is OK however it is closed.
        whenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(ui.showMessage(Message{"x", MsgKind::Error, MsgButtons::Ok, 0, 0}), MsgResult::Ok);
    }

    void yesNoQuestionsOpenAtTheirScreenPoint() {
        QtUiPort ui(window_);
        QPoint shownAt;
        whenModalShows([&](QWidget* modal) {
            shownAt = modal->pos();
            buttonNamed(modal, QStringLiteral("はい(&Y)"))->click();
        });
        QVERIFY(ui.askYesNo("この行を削除しますか？", 300, 260));
        QCOMPARE(shownAt, QPoint(300, 260));
        whenModalShows([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QVERIFY(!ui.askYesNo("この行を削除しますか？", 300, 260));
    }

    void pickersAreCancelledUntilTheWindowSetsThem() {
        QtUiPort ui(window_);
        QVERIFY(!ui.pickDate().ok);
        QVERIFY(!ui.askYearMonth(true).ok);
        ui.askYearMonthHook = [](bool showMonth) { return YearMonthResult{true, 2024, showMonth ? 3 : 0}; };
        QCOMPARE(ui.askYearMonth(false).month, 0);
        QCOMPARE(ui.askYearMonth(true).year, 2024);
    }

    void fileFiltersBecomeQtNameFilters() {
        QCOMPARE(toQtNameFilters("データファイル|*.mrb|すべて|*.*"),
                 QStringList({QStringLiteral("データファイル (*.mrb)"), QStringLiteral("すべて (*.*)")}));
        QCOMPARE(toQtNameFilters("テキスト|*.txt;*.csv"), QStringList({QStringLiteral("テキスト (*.txt *.csv)")}));
        QCOMPARE(toQtNameFilters(""), QStringList());
        QCOMPARE(toQtNameFilters("dangling"), QStringList());
    }

    void saveDialogStartsOnTheChosenFilterAndFile() {
        QTemporaryDir dir;
        QtUiPort ui(window_);
        QString filter;
        QStringList buttons;
        whenModalShows([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            filter = dialog->selectedNameFilter();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>()) buttons << button->text();
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        const auto chosen = ui.askSaveFileName(FileDialogRequest{
            "名前を付けてデータを保存", "データ|*.mrb|設定|*.prf", 2, (dir.path() + "/Mirab050.prf").toStdString()});
        QCOMPARE(filter, QStringLiteral("設定 (*.prf)"));
        // Qt's own dialog speaks Japanese too.
        QVERIFY2(buttons.contains(QStringLiteral("キャンセル")), qPrintable(buttons.join(", ")));
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), dir.path() + "/Mirab050.prf");
    }

    void waitBoxShowsBesideTheMainWindow() {
        QtUiPort ui(window_);
        ui.showWait("計算中...");
        WaitBox* box = ui.waitBox();
        QVERIFY(box->isVisible());
        QCOMPARE(box->pos(), window_->frameGeometry().topLeft() + QPoint(100, 150));
        QCOMPARE(box->size(), QSize(413, 227));
        QCOMPARE(box->text(), QStringLiteral("計算中..."));
        ui.hideWait();
        QVERIFY(!box->isVisible());
    }

    void splashAtStartUpHasNoOkAndFreesItselfOnRelease() {
        QPointer<SplashBox> splash = SplashBox::showAtStartup();
        QVERIFY(splash->isVisible());
        QVERIFY(!splash->okButton()->isVisible());
        QCOMPARE(splash->size(), QSize(517, 318));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(splash->pos(), screen.center() - QPoint(517 / 2, 318 / 2));
        splash->release();
        QTRY_VERIFY(splash.isNull());
    }

    void versionBoxShowsOkBesideTheWindowAndClosesOnDeactivation() {
        QPointer<SplashBox> box = SplashBox::showVersionBox(window_);
        QVERIFY(box->okButton()->isVisible());
        QCOMPARE(box->pos(), window_->frameGeometry().topLeft() + QPoint(90, 140));
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(box, &deactivate);
        QTRY_VERIFY(box.isNull());

        box = SplashBox::showVersionBox(window_);
        box->okButton()->click();
        QTRY_VERIFY(box.isNull());
    }

private:
    QMainWindow* window_ = nullptr;
};

KAKEIBO_REGISTER_TEST(ShellBoxesTest);
#include "ShellBoxesTest.moc"
