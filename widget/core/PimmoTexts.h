#pragma once
// The one catalogue of everything pimmo says: captions, tooltip, announcements, menu, options,
// folder and message-box texts, each in Japanese and English. "{n}" marks an argument.
#include <string_view>

#include "base/core/Language.h"

enum class PimmoText {
    // Ages and announcements.
    BirthdayYears,   // {0}: the age (an ordinal in English)
    BirthdayMonths,  // {0}: months, 1 to 11
    DayCount,        // {0}: the day number (an ordinal in English)
    Caption,         // {0}: name, {1}: day number
    AgeLine,         // the caption's long form, in the tooltip
    MessageDayCount,
    MessageBoth,  // {0}: birthday, {1}: day count
    Message,      // {0}: name, {1}: what today is
    MilestoneBoth,
    AgeYear,
    AgeYears,
    AgeMonth,
    AgeMonths,
    AgeDay,
    AgeDays,
    DayToBirth,
    DaysToBirth,
    CorrectedAge,  // {0}: the age counted from the due date
    CorrectedDayToDue,
    CorrectedDaysToDue,     // {0}: days
    NextMilestoneTomorrow,  // {0}: the milestone, {1}: days left
    NextMilestone,
    // A milestone missed while no widget ran: {0} when, {1} name, {2} what that day was.
    MissedMessage,
    MissedBoth,  // {0}: birthday, {1}: day count
    MissedYesterday,
    MissedDaysAgo,  // {0}: days
    // The start and its command line.
    LockEdit,
    LockDelete,
    LockSecond,
    BadSettingNumber,   // {0}: the arguments
    UnreadableSetting,  // {0} file, {1} section, {2} key, {3} value
    WindowsFailed,
    UnexpectedFailure,
    // The photo folder.
    FolderShownTaken,  // {0}: file name, {1}: date
    FolderShownModified,
    FolderEmpty,  // {0}: folder
    FolderUnreachable,
    FolderPlain,
    FolderPickerTitle,
    FolderSkipped,  // {0}: sub-folders
    // The photo's memories in its tooltip.
    PhotoAge,  // {0}: the age, or PhotoBeforeBirth
    PhotoBeforeBirth,
    ThisDayYearAgo,  // {0}: years
    ThisDayYearsAgo,
    // The context menu.
    MenuFile,
    MenuOpen,
    MenuQuit,
    MenuSettings,
    MenuOption,
    MenuHelp,
    MenuAbout,
    MenuShowFrame,
    MenuHideFrame,
    // The options dialog and the wizard.
    OptionsCaption,
    NoPicture,
    StretchWidth,
    StretchHeight,
    StretchLonger,
    OrderOneFile,
    OrderNewest,
    OrderOneADay,
    OrderThisDay,
    OrderInterval,
    IntervalMinutes,  // {0}: minutes
    FolderLabel,      // {0}: folder
    NameMissing,
    SizeTooSmall,
    PictureMissing,
    SizeNotNumber,
    SizeTooLarge,
    BirthdayMissing,
    FolderMissing,
    NonexistentDate,  // {0} year, {1} month, {2} day
    DueDateIncomplete,
    NonexistentDueDate,  // {0} year, {1} month, {2} day
    DueDateBeforeBirth,
    DueDateTooLate,
    CaptureUnavailable,
    // Choosing or dropping a picture.
    PictureFilter,
    PictureDialogTitle,
    DropRefusal,
    OpenFileTitle,  // the open-file dialog's own title when none is given
    Count
};

std::string_view Text(PimmoText id, Language language = UserLanguage());
