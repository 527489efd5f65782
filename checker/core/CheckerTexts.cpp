#include "checker/core/CheckerTexts.h"

#include <cstdio>

namespace Pruvo {

std::string MissingRuntimeMessage(std::string_view appName) {
    std::string text(appName);
    text += "の実行に必要なランタイムがインストールされていません\nインストールを中止します";
    return text;
}

std::string FileVersionQuery(unsigned language, unsigned codePage) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "\\StringFileInfo\\%04X%04X\\FileVersion", language & 0xFFFFu,
                  codePage & 0xFFFFu);
    return buffer;
}

UserMessage MissingRuntimeBox(std::string_view appName) {
    return {MissingRuntimeMessage(appName)};
}

UserMessage SelectionNeededBox(std::string_view text) {
    return {std::string(text), {}, MessageButtons::Ok, MessageIcon::Exclamation};
}

}  // namespace Pruvo
