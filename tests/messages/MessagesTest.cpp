#include "messages/Messages.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace kakeibo {
namespace {

TEST(MessagesTest, VersionTextNamesTheFileVersionInBothSentences) {
    EXPECT_EQ(versionMessageText(60),
              "Ver.0.6 で作成したファイルを読み込もうとしています ！！\r\n\r\n"
              "Ver.0.6 で作成したファイルは Ver.0.50 では読み込めません");
    EXPECT_EQ(versionMessageText(75),
              "Ver.0.75 で作成したファイルを読み込もうとしています ！！\r\n\r\n"
              "Ver.0.75 で作成したファイルは Ver.0.50 では読み込めません");
    EXPECT_NE(versionMessageText(100).find("Ver.1 で作成したファイルは"), std::string::npos);
    EXPECT_NE(versionMessageText(123).find("Ver.1.23 で作成"), std::string::npos);
    // A broken file may hold any number; it must still read as a plain decimal.
    EXPECT_NE(versionMessageText(2147483647).find("Ver.21474836.47 で"), std::string::npos);
    EXPECT_NE(versionMessageText(-5).find("Ver.-0.05 で"), std::string::npos);
}

TEST(MessagesTest, WelcomeTextIsBuiltWithItsFullWidthSpacesAndLineBreaks) {
    EXPECT_EQ(welcomeMessageText(),
              "「みらぶの家計簿 Ver.0.50」 にようこそ！！\u3000\r\n\r\n\r\n"
              "\u3000使用に先立ちヘルプの 「はじめの一歩」 を読むことをお勧めします。\u3000\u3000\u3000\r\n\r\n"
              "\u3000ヘルプメニューの目次を選択するとヘルプを起動できます。\r\n\r\n");
}

TEST(MessagesTest, NoDataTextDependsOnTheKindAndIsEmptyForOthers) {
    EXPECT_EQ(noDataText(0), "この週のデータはありません");
    EXPECT_EQ(noDataText(1), "この月度のデータはありません");
    EXPECT_EQ(noDataText(2), "この年度のデータはありません");
    EXPECT_EQ(noDataText(5), "この期間の日々の記録はありません");
    EXPECT_EQ(noDataText(3), "");
    EXPECT_EQ(noDataText(-1), "");

    ScriptedUi ui;
    msgNoData(ui, 3);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "");
    EXPECT_EQ(ui.messages()[0].kind, MsgKind::Information);
}

TEST(MessagesTest, EachBoxHasItsKindButtonsAndPlace) {
    ScriptedUi ui;
    msgAtLast(ui);
    msgAtFirst(ui);
    msgDateError(ui);
    msgWarning(ui, "費目が違います");
    msgVersion(ui, 60);
    msgConfirmDelete(ui);
    msgPrinterReady(ui);
    const std::vector<Message> shown = ui.messages();
    ASSERT_EQ(shown.size(), 7u);

    EXPECT_EQ(shown[0].text, "これが最後のカードです");
    EXPECT_EQ(shown[0].kind, MsgKind::Information);
    EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
    // With the window at (100, 120) this box opens at (420, 240).
    EXPECT_EQ(100 + shown[0].dx, 420);
    EXPECT_EQ(120 + shown[0].dy, 240);

    EXPECT_EQ(shown[1].text, "これが先頭のカードです");
    EXPECT_EQ(100 + shown[1].dx, 250);
    EXPECT_EQ(120 + shown[1].dy, 240);

    EXPECT_EQ(shown[2].kind, MsgKind::Error);
    EXPECT_EQ(shown[2].dx, 220);
    EXPECT_EQ(shown[2].dy, 250);

    EXPECT_EQ(shown[3].text, "費目が違います");
    EXPECT_EQ(shown[3].kind, MsgKind::Warning);
    EXPECT_EQ(shown[3].dx, 200);
    EXPECT_EQ(shown[3].dy, 130);

    EXPECT_EQ(shown[4].kind, MsgKind::Error);
    EXPECT_EQ(shown[4].dx, 150);
    EXPECT_EQ(shown[4].dy, 150);

    EXPECT_EQ(shown[5].text, "このカードを削除しますか？\u3000削除後の復旧はできません");
    EXPECT_EQ(shown[5].kind, MsgKind::Confirmation);
    EXPECT_EQ(shown[5].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(shown[5].dx, 250);
    EXPECT_EQ(shown[5].dy, 100);

    EXPECT_EQ(shown[6].kind, MsgKind::Confirmation);
    EXPECT_EQ(shown[6].buttons, MsgButtons::OkCancel);
}

TEST(MessagesTest, ConfirmationsReturnTheButtonPressed) {
    ScriptedUi ui;
    ui.pushMessageAnswers({MsgResult::Cancel, MsgResult::Ok});
    // A box with OK alone cannot be cancelled and takes no scripted answer.
    EXPECT_EQ(msgAtLast(ui), MsgResult::Ok);
    EXPECT_EQ(msgPrinterReady(ui), MsgResult::Cancel);
    EXPECT_EQ(msgPrinterReady(ui), MsgResult::Ok);
    EXPECT_TRUE(ui.allAnswersUsed());
}

TEST(MessagesTest, FailureSequencesShowTheirBoxesInOrder) {
    ScriptedUi ui;
    reportDataReadFailure(ui);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "みらぶの家計簿のデータではないか、ファイルが壊れています",
                              "動作が不安定になるので、いったん終了してください",
                              "エラーが続くようならデータファイル（Mirab0.50.mrb）を削除してください",
                          }));
    ui.clear();
    reportPrefReadFailure(ui);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "みらぶの家計簿の設定ファイルではないか、ファイルが壊れています",
                              "動作が不安定になるので、いったん終了してください",
                              "エラーが続くようなら設定ファイル（Mirab0.50.prf）を削除してください",
                          }));
    ui.clear();
    reportMonthReadFailure(ui);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "月間集計ファイルが壊れているようです",
                              "月間集計ファイル（Mirab0.50.mmm）を削除して起動しなおしてください",
                          }));
    ui.clear();
    reportWriteFailure(ui);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "ファイル書き込みに失敗しました",
                              "動作が不安定になるので、いったん終了してください",
                          }));
}

TEST(MessagesTest, DeleteAsksTwiceAndStopsAtTheFirstCancel) {
    const std::string first = "このカードを削除しますか？\u3000削除後の復旧はできません";
    const std::string second = "しつこいですが、本当に削除しますか？";

    ScriptedUi ui;
    EXPECT_FALSE(confirmDelete(ui, /*onlyOneLeft=*/true));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"最後の１枚は削除できません"});
    EXPECT_EQ(ui.messages()[0].kind, MsgKind::Warning);

    ui.clear();
    ui.pushMessageAnswer(MsgResult::Cancel);
    EXPECT_FALSE(confirmDelete(ui, false));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{first});

    ui.clear();
    ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Cancel});
    EXPECT_FALSE(confirmDelete(ui, false));
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{first, second}));

    ui.clear();
    ui.pushMessageAnswers({MsgResult::Ok, MsgResult::Ok});
    EXPECT_TRUE(confirmDelete(ui, false));
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{first, second}));
    EXPECT_TRUE(ui.allAnswersUsed());
}

}  // namespace
}  // namespace kakeibo
