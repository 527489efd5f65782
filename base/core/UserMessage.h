#pragma once
// A message box as a value: what the user reads, how the box is captioned and what the user
// may answer. Each program keeps its messages in one catalogue of such values, tests compare
// them, and base/win/MessageBox.h shows them.
#include <string>

enum class MessageButtons { Ok, YesNo };  // only Yes of a Yes/No box counts as consent
enum class MessageIcon { None, Information, Exclamation, Stop };
enum class DefaultButton { First, Second };

struct UserMessage {
    std::string text{};
    std::string title{};  // the caption; empty: the program's title
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    DefaultButton defaultButton = DefaultButton::First;

    bool operator==(const UserMessage&) const = default;
};
