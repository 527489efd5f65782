#pragma once
// The texts pimmo and house share (the failed save), in both languages.
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
    Count
};

std::string_view Text(CommonText id, Language language = UserLanguage());
