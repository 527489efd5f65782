#include "common/core/UnsavedChange.h"

#include "common/core/CommonTexts.h"

namespace {

CommonText Subject(UnsavedChange what) {
    switch (what) {
        case UnsavedChange::WindowPlace:
            return CommonText::SubjectWindowPlace;
        case UnsavedChange::Options:
            return CommonText::SubjectOptions;
        case UnsavedChange::Picture:
            return CommonText::SubjectPicture;
        case UnsavedChange::DeletedSetting:
            return CommonText::SubjectDeletedSetting;
        case UnsavedChange::StartLock:
            return CommonText::SubjectStartLock;
        case UnsavedChange::SettingList:
            return CommonText::SubjectSettingList;
        case UnsavedChange::ReleasedLocks:
            return CommonText::SubjectReleasedLocks;
        case UnsavedChange::WindowPositions:
            return CommonText::SubjectWindowPositions;
    }
    return CommonText::SubjectSetting;
}

}  // namespace

std::string UnsavedChangeText(const std::string& profileFile, UnsavedChange what) {
    return FormatText(Text(CommonText::NotSaved), {Text(Subject(what)), profileFile});
}
