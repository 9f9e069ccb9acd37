// The reference pages made from a command line: what a help footer turns
// into on a manual page, roff's escapes, and how commands, arguments and
// options of a CLI11 App reach the manual and the completion.

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include "BashCompletion.h"
#include "CommandTree.h"
#include "HelpText.h"
#include "ManPage.h"

namespace kakeibo::reference {
namespace {

TEST(HelpText, HeadingsOpenSectionsAndIndentedLinesStayVerbatim) {
    const auto sections = splitHelpText(
        "Every command runs the start-up first\n"
        "and the shutdown last.\n"
        "\n"
        "Message boxes are written to standard error, one line each:\n"
        "  KIND: TEXT      KIND is error or warning\n"
        "Without --yes every confirmation is answered Cancel.\n"
        "\n"
        "Exit status: 0 done; 1 a file failure\n"
        "message was shown.\n"
        "\n"
        "Examples:\n"
        "  kakeibo-cli show 2026-12-08\n");
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].title, "");
    ASSERT_EQ(sections[0].blocks.size(), 4u);
    EXPECT_EQ(sections[0].blocks[0].lines.size(), 2u);
    EXPECT_FALSE(sections[0].blocks[1].verbatim);
    EXPECT_TRUE(sections[0].blocks[2].verbatim);
    EXPECT_EQ(sections[0].blocks[2].lines[0], "  KIND: TEXT      KIND is error or warning");
    EXPECT_FALSE(sections[0].blocks[3].verbatim);

    EXPECT_EQ(sections[1].title, "Exit status");
    ASSERT_EQ(sections[1].blocks.size(), 1u);
    EXPECT_EQ(sections[1].blocks[0].lines, (std::vector<std::string>{"0 done; 1 a file failure", "message was shown."}));

    EXPECT_EQ(sections[2].title, "Examples");
    ASSERT_EQ(sections[2].blocks.size(), 1u);
    EXPECT_TRUE(sections[2].blocks[0].verbatim);
}

TEST(HelpText, AColonInsideASentenceOrMidParagraphIsNoHeading) {
    const auto sections = splitHelpText("Message boxes go to standard error:\nCards: one a day\n");
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_EQ(sections[0].title, "");
    EXPECT_EQ(sections[0].blocks[0].lines.size(), 2u);
}

TEST(Roff, TextNeverReadsAsARequestOrAnEscape) {
    EXPECT_EQ(roffText(".bak is kept"), "\\&.bak is kept");
    EXPECT_EQ(roffText("'quoted"), "\\&'quoted");
    EXPECT_EQ(roffText("a line break is \\n"), "a line break is \\en");
    EXPECT_EQ(roffText("--dir"), "\\-\\-dir");
    EXPECT_EQ(roffText("計算する"), "計算する");
}

// A command line with what the programs use: a command with a file
// argument and an option, a command of commands, a hidden option.
struct SampleLine {
    CLI::App app{"tool: a sample program.", "tool"};
    std::string dir, date, file, hidden;
    bool yes = false;

    SampleLine() {
        app.footer("Examples:\n  tool import 2026-12-08 a.csv\n");
        app.fallthrough();
        app.add_option("--dir", dir, "the folder")->type_name("DIR");
        app.add_flag("--yes", yes, "answer OK");
        app.add_option("--secret", hidden, "not shown")->group("");
        auto* import = app.add_subcommand("import", "read a file into the book");
        import->add_option("DATE", date, "YYYY-MM-DD")->required();
        import->add_option("FILE", file)->required();
        import->add_flag("--dry-run", yes, "change nothing");
        auto* exp = app.add_subcommand("export", "write a file");
        exp->add_subcommand("notes", "the notes")->add_option("FILE", file);
    }
};

TEST(ManPage, ListsEveryCommandWithItsArgumentsAndOptionsAndTheFooterSections) {
    SampleLine line;
    ManPageHead head;
    head.date = "2026-12-08";
    head.source = "kakeibo 0.50";
    head.manual = "User Commands";
    head.seeAlso = {"kakeibo(1)", "kakeibo-cli(1)"};
    const std::string page = manPage(readCommandTree(line.app), head);

    EXPECT_NE(page.find(".TH TOOL 1 \"2026-12-08\" \"kakeibo 0.50\" \"User Commands\""), std::string::npos);
    EXPECT_NE(page.find(".SH NAME\ntool \\- a sample program\n"), std::string::npos);
    EXPECT_NE(page.find("\\fB\\-\\-dir\\fR \\fIDIR\\fR"), std::string::npos);
    EXPECT_EQ(page.find("secret"), std::string::npos);
    EXPECT_NE(page.find("\\fBimport\\fR \\fIDATE\\fR \\fIFILE\\fR\nread a file into the book"), std::string::npos);
    EXPECT_NE(page.find("\\fIDATE\\fR: YYYY\\-MM\\-DD"), std::string::npos);
    EXPECT_NE(page.find("\\fB\\-\\-dry\\-run\\fR"), std::string::npos);
    EXPECT_NE(page.find("\\fBexport notes\\fR \\fIFILE\\fR"), std::string::npos);
    EXPECT_NE(page.find(".SH EXAMPLES\n.PP\n.RS 4\n.nf\ntool import"), std::string::npos);
    EXPECT_NE(page.find(".SH SEE ALSO\n.BR kakeibo (1),\n.BR kakeibo\\-cli (1)\n"), std::string::npos);
    // Commands' own --help is said once, for the program.
    EXPECT_EQ(page.find("\\-\\-help"), page.rfind("\\-\\-help"));
}

TEST(BashCompletion, KnowsFilesFoldersAndWhereOptionsAreTaken) {
    SampleLine line;
    const std::string script = bashCompletion(readCommandTree(line.app));
    EXPECT_NE(script.find("[\"/\"]=\"import export\""), std::string::npos);
    EXPECT_NE(script.find("[\"/export\"]=\"notes\""), std::string::npos);
    EXPECT_NE(script.find("[\"/\"]=\"--dir:folder\""), std::string::npos);
    EXPECT_NE(script.find("[\"/import\"]=\"text file\""), std::string::npos);
    EXPECT_NE(script.find("[\"/export/notes\"]=\"file\""), std::string::npos);
    EXPECT_NE(script.find("[\"/import\"]=\"--dry-run\""), std::string::npos);
    EXPECT_NE(script.find("local fallthrough=1"), std::string::npos);
    EXPECT_EQ(script.find("secret"), std::string::npos);
    EXPECT_NE(script.find("complete -F _tool tool"), std::string::npos);
}

}  // namespace
}  // namespace kakeibo::reference
