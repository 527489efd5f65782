#include "MessageBox.h"

#include "ProgramPath.h"
#include "Unicode.h"

namespace {

std::string& Title() {
    static std::string title = ProgramBaseName();
    return title;
}

}  // namespace

void SetProgramTitle(std::string title) {
    Title() = std::move(title);
}

const std::string& ProgramTitle() {
    return Title();
}

int ShowMessage(HWND owner, std::string_view text, UINT flags) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(Title()).c_str(), flags);
}
