#pragma once
// The one place where the programs show a message box: a UserMessage, captioned with its own
// title or the program's.
#include <windows.h>

#include <string>

#include "base/core/UserMessage.h"

// The caption of every message box without a title of its own; the program file's base name
// until the program sets its own ("Pimmo for Windows", "Pimmoハウス").
void SetProgramTitle(std::string title);
const std::string& ProgramTitle();

enum class MessageAnswer { Ok, Yes, No, Closed };

// The box's flags: buttons, icon and default button as the platform spells them.
UINT MessageBoxFlags(const UserMessage& message);

// Shows the message modally, owned by owner, and returns the user's answer.
MessageAnswer ShowMessage(HWND owner, const UserMessage& message);
