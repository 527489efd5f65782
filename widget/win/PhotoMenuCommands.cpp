#include "widget/win/PhotoMenuCommands.h"

#include <utility>

#include "base/core/ScopeExit.h"
#include "base/win/HelpRelatedLibrary.h"
#include "common/win/AboutBox.h"
#include "widget/core/PictureChoice.h"
#include "widget/win/ChoosePicture.h"
#include "widget/win/PimmoOptionDialog.h"
#include "widget/win/ProgramEnd.h"

namespace {

// While a command runs the photo windows take no input, so that no second menu opens inside
// the first: the dialogs owned by the menu's holder would leave them enabled. Returns what gives
// the input back.
auto PausePhotoInput(HWND borderless, HWND bordered) {
    for (HWND window : {borderless, bordered})
        EnableWindow(window, FALSE);
    return ScopeExit([borderless, bordered] {
        for (HWND window : {borderless, bordered})
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    });
}

}  // namespace

// The open menu counts as modal too: a folder's new photo that arrives meanwhile waits for it,
// instead of moving the window under the menu and closing it.
void PhotoMenuCommands::OnPhotoMenu(int16_t button) {
    const auto modal = m_rooms.end.EnterModal();
    ShowContextMenu(m_instance, button, *this);
}

// The keyboard stays with the photo after the menu, on whichever twin is current now.
void PhotoMenuCommands::OnPhotoMenuKey(POINT at) {
    {
        const auto modal = m_rooms.end.EnterModal();
        ShowContextMenuAt(m_instance, at, *this);
    }
    if (IsWindowVisible(m_rooms.pair.CurrentPhotoWindow()))
        SetForegroundWindow(m_rooms.pair.CurrentPhotoWindow());
}

// Owned by the (hidden) current photo window, so that the wizard has no taskbar button of its own.
void PhotoMenuCommands::RunWizard() {
    const auto modal = m_rooms.end.EnterModal();
    PimmoOptionDialog dialog(Setting(), *this, OptionsMode::Wizard);
    dialog.Run(m_instance, m_rooms.pair.CurrentPhotoWindow());
    Setting() = dialog.Setting();
}

void PhotoMenuCommands::RunMenuCommand(MenuCommand command, HWND holder) {
    const auto modal = m_rooms.end.EnterModal();
    const auto pause = PausePhotoInput(m_rooms.pair.Borderless(), m_rooms.pair.Bordered());
    switch (command) {
        case MenuCommand::Open:
            OpenPicture(holder);
            break;
        case MenuCommand::Quit:
            Quit(holder);
        case MenuCommand::Borderless:
            m_rooms.pair.ToggleBorder();
            break;
        case MenuCommand::Option:
            ShowOptions();
            break;
        case MenuCommand::Help:
            // Topic 0 of the help file beside the program is the widget's.
            HelpRelatedLibrary::ShowHelpTopic(m_instance, holder, "pimmo.hlp", 0);
            break;
        case MenuCommand::About:
            ShowAboutBox(m_instance, holder);
            break;
        case MenuCommand::None:
            break;
    }
}

// "画像を開く": the photo leaves the top while the file dialog is open; a cancelled dialog still
// saves and reloads the unchanged picture in place.
void PhotoMenuCommands::OpenPicture(HWND holder) {
    m_rooms.pair.ShowPhotoWindow(m_rooms.pair.CurrentBorder(), 0);
    TakePicture(Setting(), ChoosePictureFile(holder, Setting().PictureFile));
    m_rooms.keeper.Save(true, UnsavedChange::Picture, holder);
    m_rooms.show.LoadPhoto();
    m_rooms.show.PlacePhotoWindow();
    m_rooms.show.ShowPhotoWindow();
    m_rooms.folder.Follow();  // a file chosen leaves the folder
}

// "終了": saved with the window's frame and place, unlocked, ended without closing the windows.
void PhotoMenuCommands::Quit(HWND holder) {
    m_rooms.keeper.SaveAndRelease(holder, true);
    EndProgram();
}

// "オプション": confirmed, the setting is saved and the picture made again at its new size in
// the same place; cancelled, only the stacking order comes back.
void PhotoMenuCommands::ShowOptions() {
    m_rooms.pair.ShowPhotoWindow(m_rooms.pair.CurrentBorder(), 0);
    PimmoOptionDialog dialog(Setting(), *this, OptionsMode::Options);
    if (dialog.Run(m_instance, m_rooms.pair.CurrentPhotoWindow())) {
        Setting() = dialog.Setting();
        m_rooms.keeper.Save(true, UnsavedChange::Options, m_rooms.pair.CurrentPhotoWindow());
        m_rooms.show.LoadPhoto();
        m_rooms.show.PlacePhotoWindow();
        m_rooms.folder.Follow();  // the folder's photo follows once the dialog has closed
    }
    m_rooms.show.ShowPhotoWindow();
}

// "画像の選択" in the options dialog or the wizard.
void PhotoMenuCommands::OnPictureChosen(HWND dialog, const std::string& picture) {
    TakePicture(Setting(), picture);
    m_rooms.keeper.Save(true, UnsavedChange::Picture, dialog);
}
