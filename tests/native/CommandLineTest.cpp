#include <gtest/gtest.h>

#include "common/core/SettingSections.h"
#include "widget/core/CommandLine.h"
#include "widget/core/SettingNames.h"

namespace {

TEST(WidgetCommandLine, ChoosesModeAndSettingFromTheArgumentText) {
    const struct {
        const char* arguments;
        WidgetMode mode;
        int16_t number;
        const char* switchText;
    } kCases[] = {
        {"/s3", WidgetMode::Show, 3, "/S"},         {"/S3", WidgetMode::Show, 3, "/S"},
        {"/S 3", WidgetMode::Show, 3, "/S"},        {"/S", WidgetMode::Show, 0, "/S"},
        {"/S0", WidgetMode::Show, 0, "/S"},         {"abc", WidgetMode::Show, 0, "AB"},
        {"/X5", WidgetMode::Show, 0, "/X"},         {"", WidgetMode::Show, 0, ""},
        {"/I", WidgetMode::Show, 0, "/I"},          {"/D", WidgetMode::Show, 0, "/D"},
        {"/i7", WidgetMode::Edit, 7, "/I"},         {"/D7", WidgetMode::Delete, 7, "/D"},
        {"/S-2", WidgetMode::Show, -2, "/S"},       {"/s2.5", WidgetMode::Show, 2, "/S"},
        {"/S32767", WidgetMode::Show, 32767, "/S"},
    };
    for (const auto& c : kCases) {
        auto command = ParseWidgetCommand(c.arguments);
        ASSERT_TRUE(command) << c.arguments;
        EXPECT_EQ(command->mode, c.mode) << c.arguments;
        EXPECT_EQ(command->settingNumber, c.number) << c.arguments;
        EXPECT_EQ(command->switchText, c.switchText) << c.arguments;
    }
}

TEST(WidgetCommandLine, RefusesANumberThatIsNoSixteenBitInteger) {
    for (const char* arguments : {"/Sabc", "/I40000", "/D-32769", "/S ", "/S3x", "/d0x1"})
        EXPECT_FALSE(ParseWidgetCommand(arguments)) << arguments;
}

TEST(WidgetCommandLine, OnlyTheHelpSwitchOpensTheHelp) {
    for (const char* arguments : {"/H", "/h", "/H3", "/help"})
        EXPECT_TRUE(IsHelpCommand(arguments)) << arguments;
    for (const char* arguments : {"", "/S3", "H", "/", " /H", "/I"})
        EXPECT_FALSE(IsHelpCommand(arguments)) << arguments;
}

TEST(WidgetCommandLine, ArgumentTextFollowsTheProgramName) {
    const struct {
        const char* commandLine;
        const char* arguments;
    } kCases[] = {
        {"\"C:\\Program Files\\Pimmo\\pimmo.exe\" /s3", "/s3"},
        {"\"C:\\Pimmo\\pimmo.exe\"/s3", "/s3"},
        {"\"C:\\Pimmo\\pimmo.exe\"\t/i7", "/i7"},
        {"\"C:\\Pimmo\\pimmo.exe\"", ""},
        {"\"C:\\Pimmo\\pimmo.exe\"   ", ""},
        {"\"C:\\Pimmo\\pimmo.exe /s3", ""},
        {"\"\"/s3", "/s3"},
        {"Pimmo /i7", "/i7"},
        {"pimmo.exe", ""},
        {"pimmo.exe   /S 3", "/S 3"},
        {"pimmo.exe/s3", ""},
        {"", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ArgumentText(c.commandLine), c.arguments) << c.commandLine;
}

TEST(WidgetCommandLine, QuotedProgramNameDirectlyFollowedByTheSwitchServesItsSetting) {
    auto command = ParseWidgetCommand(ArgumentText("\"C:\\Pimmo\\pimmo.exe\"/s3"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->mode, WidgetMode::Show);
    EXPECT_EQ(command->settingNumber, 3);
}

TEST(WidgetCommandLine, LockMessageDependsOnTheSwitch) {
    EXPECT_EQ(StartLockMessage("/I"), "この設定のPimmoは起動中です。\r\n終了してから設定を変更してください");
    EXPECT_EQ(StartLockMessage("/D"), "この設定のPimmoは起動中です。\r\n終了してから設定を削除してください");
    EXPECT_EQ(StartLockMessage("/S"), "同じ設定で二重起動することはできません");
    EXPECT_EQ(StartLockMessage(""), "同じ設定で二重起動することはできません");
}

TEST(SettingNames, SectionAndCacheFollowTheNumber) {
    EXPECT_EQ(SettingSectionFor(0), "PIMMO");
    EXPECT_EQ(SettingSectionFor(3), "PIMMO3");
    EXPECT_EQ(SettingSectionFor(-2), "PIMMO-2");
    EXPECT_EQ(CacheNameFor(0), "\\pmCache.bmp");
    EXPECT_EQ(CacheNameFor(3), "\\pmCache3.bmp");
}

}  // namespace
