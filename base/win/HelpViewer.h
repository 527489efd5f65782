#pragma once
// Help files are plain text beside the programs, shown in a small modal viewer. Its dialog
// template comes from HelpViewer.rc, which every program's resource script includes; the
// programs open it through HelpRelatedLibrary.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/core/HelpTopics.h"

enum class HelpFileError { Missing, Unreadable };

struct HelpFileText {
    std::string text;  // UTF-8, every line ending in CRLF
    std::optional<HelpFileError> error;
};

// Reads and decodes a help file, once: UTF-8, UTF-16 with byte-order mark, or the ANSI code page.
HelpFileText ReadHelpFile(const std::wstring& path);
// The help file in the user's language: in English "pimmo-en.hlp" beside "pimmo.hlp" when it is
// there, otherwise the file of path. path becomes the file read.
HelpFileText ReadLanguageHelpFile(std::string& path);

// Shows the topics in the viewer from topics[first] on, each captioned by its title (caption
// when it has none), owned by owner, until the user closes it. The user moves between them in
// the viewer's topic list and finds words across them.
void ShowHelpTopics(HINSTANCE instance,
                    HWND owner,
                    const std::string& caption,
                    const std::vector<HelpTopic>& topics,
                    size_t first);
