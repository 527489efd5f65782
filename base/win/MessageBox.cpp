#include "base/win/MessageBox.h"

#include "base/core/ProgramPath.h"
#include "base/core/Unicode.h"

namespace {

std::string& Title() {
    static std::string title = ProgramBaseName();
    return title;
}

UINT IconFlag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

void SetProgramTitle(std::string title) {
    Title() = std::move(title);
}

const std::string& ProgramTitle() {
    return Title();
}

UINT MessageBoxFlags(const UserMessage& message) {
    const UINT buttons = message.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    const UINT defaultButton = message.defaultButton == DefaultButton::Second ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    return buttons | IconFlag(message.icon) | defaultButton;
}

MessageAnswer ShowMessage(HWND owner, const UserMessage& message) {
    const std::string& title = message.title.empty() ? Title() : message.title;
    switch (MessageBoxW(owner, Widen(message.text).c_str(), Widen(title).c_str(), MessageBoxFlags(message))) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Closed;
    }
}
