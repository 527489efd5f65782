#pragma once
// The photo's context menu and its commands: "画像を開く", "終了", the frame toggle,
// "オプション", help and about; and the options dialog as the wizard of a new or edited setting.
#include <windows.h>

#include <cstdint>
#include <string>

#include "widget/core/PimmoSession.h"
#include "widget/win/ContextMenu.h"
#include "widget/win/OptionsDialogHost.h"
#include "widget/win/PhotoFolderSource.h"
#include "widget/win/PhotoShow.h"
#include "widget/win/PhotoWindowPair.h"
#include "widget/win/SessionEnd.h"
#include "widget/win/SettingKeeper.h"

// The rooms a command reaches.
struct MenuRooms {
    PimmoSession& session;
    PhotoShow& show;
    PhotoWindowPair& pair;
    SettingKeeper& keeper;
    SessionEnd& end;
    PhotoFolderSource& folder;
};

class PhotoMenuCommands final : public PhotoMenuOpener, private ContextMenuHost, private OptionsDialogHost {
public:
    PhotoMenuCommands(HINSTANCE instance, MenuRooms rooms) : m_instance(instance), m_rooms(rooms) {}

    void OnPhotoMenu(int16_t button) override;
    void OnPhotoMenuKey(POINT at) override;
    // The options dialog as the wizard of a new or edited setting.
    void RunWizard();

private:
    int16_t MenuBorder() const override { return m_rooms.pair.CurrentBorder(); }
    void RunMenuCommand(MenuCommand command, HWND holder) override;
    void OnPictureChosen(HWND dialog, const std::string& picture) override;

    void OpenPicture(HWND holder);
    [[noreturn]] void Quit(HWND holder);
    void ShowOptions();
    SettingRecord& Setting() { return m_rooms.session.Record(); }

    HINSTANCE m_instance;
    MenuRooms m_rooms;
};
