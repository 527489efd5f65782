#include "Messages.h"

#include "CheckerProgram.h"
#include "Text.h"

namespace pruvo {

int ShowMessage(HWND owner, std::string_view text, UINT flags) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(ProgramTitle()).c_str(), flags);
}

}  // namespace pruvo
