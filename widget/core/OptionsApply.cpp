#include "widget/core/OptionsApply.h"

#include <optional>
#include <string_view>

#include "common/core/Conversions.h"
#include "widget/core/PhotoFolderSetting.h"
#include "widget/core/PhotoInterval.h"
#include "widget/core/PimmoTexts.h"

namespace {

ApplyResult Refuse(std::string message, OptionsControl focus, MessageIcon icon = MessageIcon::Exclamation) {
    return {false, std::move(message), icon, focus};
}

ApplyResult Refuse(PimmoText message, OptionsControl focus, MessageIcon icon = MessageIcon::Exclamation) {
    return Refuse(std::string(Text(message)), focus, icon);
}

std::optional<int> SelectedNumber(const ListControl& list) {
    if (list.selected < 0 || list.selected >= static_cast<int>(list.entries.size()))
        return std::nullopt;
    auto value = TextToInt32(list.entries[static_cast<size_t>(list.selected)]);
    return value ? std::optional<int>(*value) : std::nullopt;
}

// The size to store: nullopt when the size is unchanged (even a stored size below 80 stays).
struct SizeCheck {
    std::optional<ApplyResult> refusal;
    std::optional<int16_t> newSize;
};

SizeCheck CheckPictureSize(const std::string& text, int16_t storedSize) {
    const auto number = TextToNumber(NarrowFullWidth(text));
    if (!number)
        return {Refuse(PimmoText::SizeNotNumber, OptionsControl::PimmoPictureSize), std::nullopt};
    if (*number == storedSize)
        return {};
    if (*number < kSmallestPictureSize)
        return {Refuse(PimmoText::SizeTooSmall, OptionsControl::PimmoPictureSize), std::nullopt};
    const auto rounded = RoundToInt16(*number);
    if (!rounded)
        return {Refuse(PimmoText::SizeTooLarge, OptionsControl::PimmoPictureSize), std::nullopt};
    return {std::nullopt, rounded};
}

struct BirthdayCheck {
    std::optional<ApplyResult> refusal;
    CalendarDate date;
};

BirthdayCheck CheckBirthday(const OptionsForm& form) {
    const auto year = SelectedNumber(form.PimmoBirthYear);
    const auto month = SelectedNumber(form.PimmoBirthMonth);
    const auto day = SelectedNumber(form.PimmoBirthDay);
    if (!year || !month || !day) {
        const OptionsControl focus = !year    ? OptionsControl::PimmoBirthYear
                                     : !month ? OptionsControl::PimmoBirthMonth
                                              : OptionsControl::PimmoBirthDay;
        return {Refuse(PimmoText::BirthdayMissing, focus), {}};
    }
    const CalendarDate date{*year, *month, *day};
    if (!IsValidDate(date))
        return {Refuse(NonexistentDateMessage(*year, *month, *day), OptionsControl::PimmoBirthDay), {}};
    return {std::nullopt, date};
}

struct DueDateCheck {
    std::optional<ApplyResult> refusal;
    CalendarDate date;  // all 0 for no due date
};

// The lists' entry 0 is empty: a selection there, or none, is an empty part.
std::optional<int> SelectedDuePart(const ListControl& list) {
    return list.selected <= 0 ? std::nullopt : SelectedNumber(list);
}

DueDateCheck CheckDueDate(const OptionsForm& form, const CalendarDate& birthday) {
    const auto year = SelectedDuePart(form.PimmoDueYear);
    const auto month = SelectedDuePart(form.PimmoDueMonth);
    const auto day = SelectedDuePart(form.PimmoDueDay);
    if (!year && !month && !day)
        return {};
    if (!year || !month || !day) {
        const OptionsControl focus = !year    ? OptionsControl::PimmoDueYear
                                     : !month ? OptionsControl::PimmoDueMonth
                                              : OptionsControl::PimmoDueDay;
        return {Refuse(PimmoText::DueDateIncomplete, focus), {}};
    }
    const CalendarDate date{*year, *month, *day};
    if (!IsValidDate(date))
        return {Refuse(FormatText(Text(PimmoText::NonexistentDueDate),
                                  {std::to_string(*year), std::to_string(*month), std::to_string(*day)}),
                       OptionsControl::PimmoDueDay),
                {}};
    const int64_t early = DaysBetween(birthday, date);
    if (early < 0)
        return {Refuse(PimmoText::DueDateBeforeBirth, OptionsControl::PimmoDueYear), {}};
    if (early > kLongestEarlyBirth)
        return {Refuse(PimmoText::DueDateTooLate, OptionsControl::PimmoDueYear), {}};
    return {std::nullopt, date};
}

// Stores a value that decides how the picture is scaled; a change makes the cache stale.
void StoreScaling(int16_t& field, int16_t value, SettingRecord& record) {
    if (field == value)
        return;
    field = value;
    record.IsStretchBmpCashed = 0;
}

// The order chosen in the list; nullopt when none is (a hand-edited value is kept).
std::optional<int16_t> SelectedOrder(const OptionsForm& form) {
    const int order = form.PimmoPictureOrder.selected;
    if (order < 0 || order >= static_cast<int>(form.PimmoPictureOrder.entries.size()))
        return std::nullopt;
    return static_cast<int16_t>(order);
}

// "いつも同じ写真" leaves the folder and keeps the photo shown as the one file.
void StoreFolder(const OptionsForm& form, SettingRecord& record) {
    record.PictureSubfolders = CheckedValue(form.PimmoPictureSubfolders, record.PictureSubfolders);
    const std::optional<int16_t> order = SelectedOrder(form);
    if (order == static_cast<int16_t>(PictureOrder::OneFile)) {
        LeaveFolder(record);
        return;
    }
    TakeFolder(record, form.PictureFolder);
    if (order)
        record.PictureOrder = *order;
    // The minutes are kept only with the interval order: another order leaves the stored value.
    const int interval = form.PimmoPictureInterval.selected;
    if (order == static_cast<int16_t>(PictureOrder::Interval) && interval >= 0 &&
        interval < static_cast<int>(std::size(kIntervalChoices)))
        record.PictureInterval = kIntervalChoices[interval];
}

}  // namespace

std::string NonexistentDateMessage(int year, int month, int day) {
    return FormatText(Text(PimmoText::NonexistentDate),
                      {std::to_string(year), std::to_string(month), std::to_string(day)});
}

ApplyResult ApplyOptions(const OptionsForm& form, SettingRecord& record) {
    if (form.PimmoName.empty())
        return Refuse(PimmoText::NameMissing, OptionsControl::PimmoName);
    const SizeCheck size = CheckPictureSize(form.PimmoPictureSize.text, record.PictureSize);
    if (size.refusal)
        return *size.refusal;
    const BirthdayCheck birthday = CheckBirthday(form);
    if (birthday.refusal)
        return *birthday.refusal;
    const DueDateCheck dueDate = CheckDueDate(form, birthday.date);
    if (dueDate.refusal)
        return *dueDate.refusal;
    const std::optional<int16_t> order = SelectedOrder(form);
    if (order && *order != static_cast<int16_t>(PictureOrder::OneFile) && form.PictureFolder.empty())
        return Refuse(PimmoText::FolderMissing, OptionsControl::CommandSelectFolder);

    if (size.newSize)
        StoreScaling(record.PictureSize, *size.newSize, record);
    StoreScaling(record.IsStretched, CheckedValue(form.PimmoIsPhotoStretch, record.IsStretched), record);
    const int mode = form.PimmoStretchMode.selected;
    if (mode >= 0 && mode < static_cast<int>(form.PimmoStretchMode.entries.size()))
        StoreScaling(record.StretchMode, static_cast<int16_t>(mode), record);
    record.PimmoName = form.PimmoName;
    record.PimmoBirthDay = birthday.date;
    record.PimmoDueDay = dueDate.date;
    record.WindowPosition = CheckedValue(form.PimmoIsTopMost, record.WindowPosition);
    record.HideFromCapture = CheckedValue(form.PimmoHideFromCapture, record.HideFromCapture);
    StoreFolder(form, record);
    return {true, {}, MessageIcon::None, OptionsControl::None};
}

ApplyResult FinishWizard(const OptionsForm& form, SettingRecord& record) {
    // A folder chosen is a picture chosen: its photo is found when the widget shows it.
    const std::optional<int16_t> order = SelectedOrder(form);
    const bool folderChosen = !form.PictureFolder.empty() && order && *order != 0;
    if (record.PictureFile.empty() && !folderChosen)
        return Refuse(PimmoText::PictureMissing, OptionsControl::CommandSelectPicture, MessageIcon::None);
    return ApplyOptions(form, record);
}
