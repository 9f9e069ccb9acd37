#include <gtest/gtest.h>

#include "charts/ChartWindowSettings.h"
#include "support/FailingFileLayer.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

TEST(ChartWindowSettings, ItsOwnSectionBesideTheRestOfTheFileByteForByte) {
    const std::string original = "[Form]\r\nLeft=12\r\nTop=34\r\n; a comment\r\n[Calc]\r\nLeft=77\r\n";
    IniFile file = IniFile::fromBytes(original);
    EXPECT_EQ(loadChartWindowSettings(file), ChartWindowSettings{});

    const ChartWindowSettings settings{-20, 40, 800, 600, ChartTab::Month};
    saveChartWindowSettings(file, settings);
    EXPECT_EQ(file.toBytes(), original + "\r\n[Graph]\r\nLeft=-20\r\nTop=40\r\nWidth=800\r\nHeight=600\r\nTab=1\r\n");
    EXPECT_EQ(loadChartWindowSettings(file), settings);
}

TEST(ChartWindowSettings, WhatCannotBeAWindowCountsAsAbsent) {
    const IniFile file = IniFile::fromBytes("[Graph]\nLeft=abc\nTop=5\nWidth=0\nHeight=-4\nTab=9\n");
    const ChartWindowSettings settings = loadChartWindowSettings(file);
    EXPECT_FALSE(settings.left);
    EXPECT_EQ(settings.top, 5);
    EXPECT_FALSE(settings.width);
    EXPECT_FALSE(settings.height);
    EXPECT_EQ(settings.tab, ChartTab::History);
}

TEST(ChartWindowSettings, TheFileIsCreatedOrKeptButAnUnreadableOneIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("Mirab050.ini");
    ASSERT_TRUE(writeChartWindowSettingsFile(path, ChartWindowSettings{1, 2, 3, 4, ChartTab::Week}));
    EXPECT_EQ(loadChartWindowSettings(*IniFile::load(path)).width, 3);

    FailingFileLayer failing;
    failing.failAt(FileOp::Read, 1);
    EXPECT_FALSE(writeChartWindowSettingsFile(path, ChartWindowSettings{9, 9, 9, 9, ChartTab::Year}, failing));
    EXPECT_EQ(loadChartWindowSettings(*IniFile::load(path)).width, 3);
}

}  // namespace
}  // namespace kakeibo
