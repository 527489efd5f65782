#pragma once
// Opening a program's help file in the help viewer: the one launcher of all three programs.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace HelpRelatedLibrary {

struct HelpRequest {
    std::string path;                // the help file
    std::optional<int32_t> context;  // the topic shown first; none shows the whole file as one page
    // How the program words a file it cannot show: its text for an unreadable file, and what
    // stands between the text and the file's path.
    std::string_view unreadableText;
    std::string_view lineBreak;
};

// Shows the file in the viewer (in English "pimmo-en.hlp" beside "pimmo.hlp" when it is there),
// captioned with the program's title and " ヘルプ" (" Help"), owned by owner, until the user
// closes it. A missing or unreadable file is reported with a message
// naming its path.
void ShowHelp(HINSTANCE instance, HWND owner, const HelpRequest& request);

// Shows topic `context` of the help file helpFileName in the program's own folder (never the
// current directory), as pimmo and house word it.
void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context);

}  // namespace HelpRelatedLibrary
