#include "widget/win/PhotoMenuCommands.h"

#include "base/win/HelpRelatedLibrary.h"
#include "common/win/AboutBox.h"
#include "widget/win/ChoosePicture.h"
#include "widget/win/PimmoOptionDialog.h"

// The open menu counts as modal too: a folder's new photo that arrives meanwhile waits for it,
// instead of moving the window under the menu and closing it.
void PhotoMenuCommands::OnPhotoMenu(int16_t button) {
    const auto modal = m_owner.EnterModal(nullptr);
    ShowContextMenu(m_instance, button, *this);
}

// The keyboard stays with the photo after the menu, on whichever twin is current now.
void PhotoMenuCommands::OnPhotoMenuKey(POINT at) {
    {
        const auto modal = m_owner.EnterModal(nullptr);
        ShowContextMenuAt(m_instance, at, *this);
    }
    if (IsWindowVisible(m_owner.CurrentPhotoWindow()))
        SetForegroundWindow(m_owner.CurrentPhotoWindow());
}

// Owned by the (hidden) current photo window, so that the wizard has no taskbar button of its own.
SettingRecord PhotoMenuCommands::RunWizard() {
    const auto modal = m_owner.EnterModal(nullptr);
    PimmoOptionDialog dialog(m_owner.Setting(), *this, OptionsMode::Wizard);
    dialog.Run(m_instance, m_owner.CurrentPhotoWindow());
    return dialog.Setting();
}

// While a command runs the photo windows take no input, so that no second menu opens inside
// the first: the dialogs owned by the menu's holder would leave them enabled.
void PhotoMenuCommands::RunMenuCommand(MenuCommand command, HWND holder) {
    const auto modal = m_owner.EnterModal(holder);
    const auto pause = m_owner.PausePhotoInput();
    switch (command) {
        case MenuCommand::Open:  // "画像を開く": a cancelled dialog still saves and reloads in place
            m_owner.OnDialogOpens();
            m_owner.OnPictureFileChosen(ChoosePictureFile(holder, m_owner.Setting().PictureFile));
            break;
        case MenuCommand::Quit:
            m_owner.OnQuit();
            break;
        case MenuCommand::Borderless:
            m_owner.ToggleBorder();
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

// "オプション": the dialog edits a copy; the controller takes it when confirmed.
void PhotoMenuCommands::ShowOptions() {
    m_owner.OnDialogOpens();
    PimmoOptionDialog dialog(m_owner.Setting(), *this, OptionsMode::Options);
    if (dialog.Run(m_instance, m_owner.CurrentPhotoWindow()))
        m_owner.OnOptionsClosed(dialog.Setting());
    else
        m_owner.OnOptionsClosed(std::nullopt);
}
