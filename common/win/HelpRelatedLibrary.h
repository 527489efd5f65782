#pragma once
// Opening the installation's help file at a topic.
#include <windows.h>

#include <cstdint>
#include <string>

namespace HelpRelatedLibrary {

// Shows topic `context` of the help file helpFileName in the program's own folder (never the
// current directory) in the help viewer, owned by owner. A missing or unreadable file is
// reported with a message naming its path.
void ShowHelpTopic(HINSTANCE instance, HWND owner, const std::string& helpFileName, int32_t context);

}  // namespace HelpRelatedLibrary
