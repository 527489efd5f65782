#include "HouseMessageBox.h"

#include "MessageBox.h"

namespace PimmoHouseModule {
namespace {

UINT IconFlag(MessageIcon icon) {
    switch (icon) {
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

bool ShowHouseMessage(HWND owner, const HouseMessage& message) {
    // Every house box carries house's title, which the program set as its title at start.
    const UINT buttons = message.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    return ShowMessage(owner, message.text, buttons | IconFlag(message.icon)) == IDYES;
}

}  // namespace PimmoHouseModule
