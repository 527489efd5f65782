// Add in the manager window runs the wizard of a real widget: the new child is listed, in the
// window and in the stored list, once the widget has saved it.
#include <gtest/gtest.h>

#include <optional>

#include "tests/e2e/support/E2e.h"
#include "tests/e2e/support/HouseDriver.h"
#include "tests/e2e/support/OptionsDriver.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "widget/win/PimmoResource.h"

using namespace e2e;
using namespace house_e2e;

namespace {

HWND WaitForWidgetWizard(const std::wstring& folder) {
    HWND wizard = nullptr;
    WaitUntil([&] {
        for (HWND dialog : WidgetDialogs(folder))
            if (WindowText(dialog) == options_e2e::kOptionsCaption)
                wizard = dialog;
        return wizard != nullptr;
    });
    return wizard;
}

// A program folder with a picture and setting 3 listed; house's window, once Add has started
// the widget's wizard.
class HouseAdd : public testing::Test {
protected:
    void SetUp() override {
        photo_test::WriteFileBytes(picture, photo_test::QuadrantBmp(64, 48));
        WriteHouseProfile(folder.ProfilePath(), picture, {{3, "Taro", "", ""}}, {3});
    }
    // Starts house, presses Add and waits for the wizard and its process.
    void StartAdd() {
        house.emplace(Process::Start(folder.Exe(L"house.exe"), L"/S"));
        form = WaitForManagerWindow(house->Pid());
        ASSERT_TRUE(form);
        PressButtonId(form, kCommandAdd);
        wizard = WaitForWidgetWizard(folder.Path());
        ASSERT_TRUE(wizard) << "no wizard of a widget";
        GetWindowThreadProcessId(wizard, &widget);
    }

    ProgramFolder folder;
    const std::wstring picture = folder.File(L"kid.bmp");
    std::optional<Process> house;
    HWND form = nullptr;
    HWND wizard = nullptr;
    DWORD widget = 0;
};

TEST_F(HouseAdd, AddRunsTheWidgetsWizardAndListsTheNewChild) {
    StartAdd();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(IsWindowEnabled(form)) << "the manager took input while the widget ran";
    PressButtonId(wizard, IDC_CommandSelectPicture);
    ASSERT_TRUE(options_e2e::ChooseFile(widget, picture));
    options_e2e::SetText(GetDlgItem(wizard, IDC_PimmoName), L"Hana");
    PressButtonId(wizard, IDC_CommandNext);

    ASSERT_TRUE(WaitUntil([&] { return ListLines(form).size() == 2; })) << "the new child is not listed";
    EXPECT_EQ(ListLines(form)[1].rfind(L"Hana (", 0), 0u) << "the new line names the child";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }));
    const std::wstring number = ReadProfileString(folder.ProfilePath(), L"PimmoHouse", L"Setting2");
    EXPECT_NE(number, L"3") << "a setting listed twice";
    EXPECT_EQ(ReadProfileString(folder.ProfilePath(), L"PimmoHouse", L"NumbersOfSettings"), L"2");
    EXPECT_EQ(ReadProfileString(folder.ProfilePath(), L"Pimmo" + number, L"PimmoName"), L"Hana");
    EXPECT_EQ(ReadProfileString(folder.ProfilePath(), L"Pimmo" + number, L"LockSetting"), L"");
    PressButtonId(form, kCommandOK);
    EXPECT_EQ(house->WaitExit(), 0u);
}

// A profile that cannot be written: the widget says what it could not save, and house lists
// nothing that was not stored.
TEST_F(HouseAdd, AddOnAReadOnlyProfileIsToldAndListsNothing) {
    ASSERT_TRUE(SetFileAttributesW(folder.ProfilePath().c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = ReadFileBytes(folder.ProfilePath());
    StartAdd();
    ASSERT_FALSE(HasFatalFailure());
    const auto answer = [&](const wchar_t* what) {
        const auto box = WaitForMessageBox(widget);
        ASSERT_TRUE(box) << "not told: " << std::wstring(what);
        EXPECT_NE(box->text.find(what), std::wstring::npos) << box->text;
        EXPECT_NE(box->text.find(L"ファイル: "), std::wstring::npos);
        PressButton(box->window, L"OK");
        WaitWindowGone(box->window);
    };
    PressButtonId(wizard, IDC_CommandSelectPicture);
    ASSERT_TRUE(options_e2e::ChooseFile(widget, picture));
    answer(L"写真の選択");
    options_e2e::SetText(GetDlgItem(wizard, IDC_PimmoName), L"Hana");
    PressButtonId(wizard, IDC_CommandNext);
    answer(L"オプション");

    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }));
    EXPECT_EQ(ListLines(form).size(), 1u) << "a child listed that was never stored";
    EXPECT_EQ(ReadFileBytes(folder.ProfilePath()), before);
    PressButtonId(form, kCommandOK);
    EXPECT_EQ(house->WaitExit(), 0u);
}

}  // namespace
