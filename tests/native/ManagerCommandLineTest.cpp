// house's switches, the command lines it gives the widget, its message boxes and list lines.
#include <gtest/gtest.h>

#include <string>

#include "common/core/SettingSections.h"
#include "manager/core/HouseCommandLine.h"
#include "manager/core/HouseMessages.h"
#include "manager/core/HouseNames.h"
#include "manager/core/SettingCaption.h"

namespace {

using namespace PimmoHouseModule;

TEST(ManagerCommandLine, WholeArgumentTextChoosesTheMode) {
    const struct {
        const char* arguments;
        HouseMode mode;
    } kCases[] = {
        {"/S", HouseMode::ManagerWindow}, {"/s", HouseMode::ManagerWindow},  {"/R", HouseMode::ReleaseLocks},
        {"/r", HouseMode::ReleaseLocks},  {"/P", HouseMode::ResetPositions}, {"/p", HouseMode::ResetPositions},
        {"", HouseMode::StartAll},        {"/S ", HouseMode::StartAll},      {" /S", HouseMode::StartAll},
        {"/S/R", HouseMode::StartAll},    {"/S /R", HouseMode::StartAll},    {"-S", HouseMode::StartAll},
        {"/X", HouseMode::StartAll},      {"/S3", HouseMode::StartAll},      {"/", HouseMode::StartAll},
        {"S", HouseMode::StartAll},       {"／Ｓ", HouseMode::StartAll},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ParseHouseMode(c.arguments), c.mode) << '"' << c.arguments << '"';
}

TEST(ManagerCommandLine, WidgetSwitchAndNumberWithoutBlank) {
    const std::string widget = "C:\\Program Files\\Pimmo\\pimmo.exe";
    const struct {
        WidgetSwitch widgetSwitch;
        int16_t number;
        const char* arguments;
    } kCases[] = {
        {WidgetSwitch::Show, 12, "/s12"}, {WidgetSwitch::Show, 3, "/s3"},   {WidgetSwitch::Edit, 3, "/i3"},
        {WidgetSwitch::Delete, 3, "/d3"}, {WidgetSwitch::Show, -2, "/s-2"}, {WidgetSwitch::Edit, 32767, "/i32767"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(WidgetArguments(c.widgetSwitch, c.number), c.arguments);
        EXPECT_EQ(WidgetCommandLine(widget, c.widgetSwitch, c.number), "\"" + widget + "\" " + c.arguments);
    }
}

TEST(ManagerCommandLine, WidgetLivesInHousesFolder) {
    EXPECT_EQ(WidgetProgramPath("/opt/pimmo"), "/opt/pimmo/pimmo.exe");
}

TEST(ManagerNames, SettingSectionsAsHouseWritesThem) {
    EXPECT_EQ(HouseSettingSection(0), "Pimmo");
    EXPECT_EQ(HouseSettingSection(3), "Pimmo3");
    EXPECT_EQ(HouseSettingSection(12), "Pimmo12");
    EXPECT_EQ(HouseSettingSection(-2), "Pimmo-2");
}

TEST(ManagerMessages, TextsButtonsAndIcons) {
    using B = MessageButtons;
    using I = MessageIcon;
    const struct {
        HouseMessage actual;
        const char* text;
        MessageButtons buttons;
        MessageIcon icon;
    } kCases[] = {
        {SecondInstanceMessage(), "二重起動できません", B::Ok, I::None},
        {ConfirmReleaseLocksMessage(), "起動ロックの強制解除を行います\r\nよろしいですか", B::YesNo, I::None},
        {WidgetsRunningMessage(), "すべてのPimmoウィンドウを閉じてから再実行してください", B::Ok, I::Stop},
        {ConfirmPositionResetMessage(), "すべてのPimmoウィンドウの位置を原点にリセットします\r\nよろしいですか",
         B::YesNo, I::None},
        {SelectLineToDeleteMessage(), "削除する項目を選んでください", B::Ok, I::Exclamation},
        {DeleteRunningSettingMessage(), "選択した設定は起動しています\r\n終了してから設定を削除してください", B::Ok,
         I::Exclamation},
        {ConfirmDeleteMessage(), "選択した項目を削除します\r\nよろしいですか", B::YesNo, I::Exclamation},
        {SelectLineToChangeMessage(), "設定変更する項目を選んでください", B::Ok, I::Exclamation},
        {ChangeRunningSettingMessage(), "選択した設定は起動しています\r\n終了してから設定を変更してください", B::Ok,
         I::Exclamation},
        {WidgetStartFailedMessage("\"C:\\p\\pimmo.exe\" /s3"),
         "Pimmoを起動できないため、Pimmoハウスを終了します。\r\nコマンドライン: \"C:\\p\\pimmo.exe\" /s3", B::Ok,
         I::Stop},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(c.actual, (HouseMessage{c.text, "Pimmoハウス", c.buttons, c.icon})) << c.text;
    }
}

TEST(ManagerCaption, NameAndBirthdayWithLeadingZeros) {
    const struct {
        const char* name;
        std::optional<CalendarDate> birthday;
        const char* expected;
    } kCases[] = {
        {"Taro", CalendarDate{2000, 7, 22}, "Taro (2000年07月22日生まれ)"},
        {"花子", CalendarDate{1999, 3, 5}, "花子 (1999年03月05日生まれ)"},
        {"Old", CalendarDate{5, 1, 1}, "Old (0005年01月01日生まれ)"},
        {"", CalendarDate{2024, 12, 31}, " (2024年12月31日生まれ)"},
        {"Taro", std::nullopt, "Taro (生年月日不明)"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(FormatSettingCaption(c.name, c.birthday), c.expected) << c.expected;
}

}  // namespace
