#pragma once
// The photo's context menu and its commands: "画像を開く", "終了", the frame toggle,
// "オプション", help and about; and the options dialog as the wizard of a new or edited setting.
// What a command decides is the controller's: the menu reports what the user chose.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/core/ScopeExit.h"
#include "common/core/SettingRecord.h"
#include "widget/core/PhotoWindowKinds.h"
#include "widget/win/ContextMenu.h"
#include "widget/win/OptionsDialogHost.h"

using ModalScope = ScopeExit<std::function<void()>>;

// What the menu reports, and the little it asks of the photo windows.
class PhotoMenuOwner {
public:
    // A menu, a command or a dialog is open for the scope; message boxes meanwhile are owned
    // by over (nullptr: the current photo window).
    virtual ModalScope EnterModal(HWND over) = 0;
    // The photo windows take no input for the scope.
    virtual ModalScope PausePhotoInput() = 0;
    virtual HWND CurrentPhotoWindow() const = 0;
    virtual WindowFrame CurrentFrame() const = 0;
    virtual void ToggleBorder() = 0;
    virtual const SettingRecord& Setting() const = 0;

    virtual void OnDialogOpens() = 0;
    // "画像を開く" closed its dialog (path empty: cancelled).
    virtual void OnPictureFileChosen(const std::string& path) = 0;
    // "画像の選択" in the options dialog or the wizard.
    virtual void OnPictureChosenInOptions(HWND dialog, const std::string& path) = 0;
    virtual void OnOptionsClosed(const std::optional<SettingRecord>& applied) = 0;
    virtual void OnQuit() = 0;

protected:
    ~PhotoMenuOwner() = default;
};

class PhotoMenuCommands final : private ContextMenuHost, private OptionsDialogHost {
public:
    PhotoMenuCommands(HINSTANCE instance, PhotoMenuOwner& owner) : m_instance(instance), m_owner(owner) {}

    // The right button (2) or the middle one (4) went down on the photo.
    void OnPhotoMenu(int16_t button);
    // Asked for from the keyboard: the menu at this screen point.
    void OnPhotoMenuKey(POINT at);
    // The options dialog as the wizard of a new or edited setting: the record as edited.
    SettingRecord RunWizard();

private:
    int16_t MenuBorder() const override { return m_owner.CurrentFrame() == WindowFrame::Borderless ? 0 : 1; }
    void RunMenuCommand(MenuCommand command, HWND holder) override;
    void OnPictureChosen(HWND dialog, const std::string& picture) override {
        m_owner.OnPictureChosenInOptions(dialog, picture);
    }

    void ShowOptions();

    HINSTANCE m_instance;
    PhotoMenuOwner& m_owner;
};
