#pragma once
// The texts pimmo and house share (the failed save, the unreadable setting list, the help
// file's messages, the open-file dialog's title), in both languages.
#include <string_view>

#include "base/core/Language.h"

enum class CommonText {
    // What was not saved, named in NotSaved.
    SubjectWindowPlace,
    SubjectOptions,
    SubjectPicture,
    SubjectDeletedSetting,
    SubjectStartLock,
    SubjectSettingList,
    SubjectReleasedLocks,
    SubjectWindowPositions,
    SubjectSetting,
    NotSaved,  // {0}: the subject, {1}: the profile file
    // The list house reads at start: {0} file, {1} section, {2} key, {3} value, {4} the rule.
    UnreadableList,
    EmptyValue,
    CountRule,
    NumberRule,
    // The help file.
    HelpMissing,
    HelpUnreadable,
    HelpCaption,  // {0}: the program's title
    OpenFileTitle,
    Count
};

std::string_view Text(CommonText id, Language language = UserLanguage());
