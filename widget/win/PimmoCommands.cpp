// PimmoModule's modal parts: the wizard and the commands of the context menu.
#include <utility>

#include "base/core/ScopeExit.h"
#include "base/win/HelpRelatedLibrary.h"
#include "common/win/AboutBox.h"
#include "widget/core/PictureChoice.h"
#include "widget/win/ChoosePicture.h"
#include "widget/win/ContextMenu.h"
#include "widget/win/PimmoModule.h"
#include "widget/win/PimmoOptionDialog.h"

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
void PimmoModule::OnPhotoMenu(int16_t button) {
    const auto modal = EnterModal();
    ShowContextMenu(m_instance, button, *this);
}

// The keyboard stays with the photo after the menu, on whichever twin is current now.
void PimmoModule::OnPhotoMenuKey(POINT at) {
    {
        const auto modal = EnterModal();
        ShowContextMenuAt(m_instance, at, *this);
    }
    if (IsWindowVisible(CurrentPhotoWindow()))
        SetForegroundWindow(CurrentPhotoWindow());
}

// Owned by the (hidden) current photo window, so that the wizard has no taskbar button of its own.
void PimmoModule::RunWizard() {
    const auto modal = EnterModal();
    PimmoOptionDialog dialog(Setting(), *this, OptionsMode::Wizard);
    dialog.Run(m_instance, CurrentPhotoWindow());
    Setting() = dialog.Setting();
}

void PimmoModule::EndModal() {
    if (m_unloaded && m_modalDepth == 0)
        EndProgram();
    m_folder->Resume();
}

void PimmoModule::RunMenuCommand(MenuCommand command, HWND holder) {
    const auto modal = EnterModal();
    const auto pause = PausePhotoInput(m_pair.Borderless(), m_pair.Bordered());
    switch (command) {
        case MenuCommand::Open:
            OpenPicture(holder);
            break;
        case MenuCommand::Quit:
            Quit(holder);
        case MenuCommand::Borderless:
            m_pair.ToggleBorder();
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
void PimmoModule::OpenPicture(HWND holder) {
    m_pair.ShowPhotoWindow(m_pair.CurrentBorder(), 0);
    TakePicture(Setting(), ChoosePictureFile(holder, Setting().PictureFile));
    SaveSetting(true, UnsavedChange::Picture, holder);
    LoadPhoto();
    PlacePhotoWindow();
    ShowPhotoWindow();
    m_folder->Follow();  // a file chosen leaves the folder
}

// "終了": saved with the window's frame and place, unlocked, ended without closing the windows.
void PimmoModule::Quit(HWND holder) {
    SaveAndRelease(holder, true);
    EndProgram();
}

// "オプション": confirmed, the setting is saved and the picture made again at its new size in
// the same place; cancelled, only the stacking order comes back.
void PimmoModule::ShowOptions() {
    m_pair.ShowPhotoWindow(m_pair.CurrentBorder(), 0);
    PimmoOptionDialog dialog(Setting(), *this, OptionsMode::Options);
    if (dialog.Run(m_instance, CurrentPhotoWindow())) {
        Setting() = dialog.Setting();
        SaveSetting(true, UnsavedChange::Options, CurrentPhotoWindow());
        LoadPhoto();
        PlacePhotoWindow();
        m_folder->Follow();  // the folder's photo follows once the dialog has closed
    }
    ShowPhotoWindow();
}

// "画像の選択" in the options dialog or the wizard.
void PimmoModule::OnPictureChosen(HWND dialog, const std::string& picture) {
    TakePicture(Setting(), picture);
    SaveSetting(true, UnsavedChange::Picture, dialog);
}
