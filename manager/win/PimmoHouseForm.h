#pragma once
// The manager window: the listed settings, one line each, with Add, Delete, Change, Help and OK.
// The widget program does the editing; the window starts it, waits, and brings its list up to date.
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/win/Dialog.h"
#include "common/core/UnsavedChange.h"
#include "manager/core/HouseCommandLine.h"
#include "manager/core/SettingList.h"

namespace PimmoHouseModule {

// What the window needs from the program: running the widget for one setting.
class HouseFormOwner {
public:
    // Starts the widget program with the switch and the setting number and returns when it has
    // ended; form stays disabled meanwhile. Does not return when the widget cannot be started:
    // the program ends with its message, before the list changes.
    virtual void RunWidgetAndWait(HWND form, WidgetSwitch widgetSwitch, int16_t settingNumber) = 0;
    // Tells the user that the profile file could not be written; the window goes on.
    virtual void TellNotSaved(HWND form, UnsavedChange what) = 0;

protected:
    ~HouseFormOwner() = default;
};

class PimmoHouseForm final : public Dialog {
public:
    PimmoHouseForm(HouseFormOwner& owner, const std::string& profileFile, SettingList& list)
        : m_owner(owner), m_profileFile(profileFile), m_list(list) {}

    // Shows the window modally until OK is pressed or the system closes it.
    void Run(HINSTANCE instance);

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    INT_PTR OnListKey(WORD key);
    void CommandAdd_Click();
    void CommandDelete_Click();
    void CommandSetting_Click();
    void CommandHelp_Click();

    // The selected list box line, or -1 when none is selected.
    int SelectedLine() const;
    void AddLine(const std::string& text) const;
    void ReplaceLine(int line, const std::string& text) const;

    HouseFormOwner& m_owner;
    const std::string& m_profileFile;
    SettingList& m_list;
};

}  // namespace PimmoHouseModule
