#include "widget/core/OptionsForm.h"

#include <algorithm>
#include <span>

#include "widget/core/PhotoInterval.h"
#include "widget/core/PimmoTexts.h"

namespace {

constexpr PimmoText kStretchModeEntries[] = {PimmoText::StretchWidth, PimmoText::StretchHeight,
                                             PimmoText::StretchLonger};
constexpr PimmoText kPictureOrderEntries[] = {PimmoText::OrderOneFile, PimmoText::OrderNewest, PimmoText::OrderOneADay,
                                              PimmoText::OrderThisDay, PimmoText::OrderInterval};

std::vector<std::string> TextEntries(std::span<const PimmoText> ids) {
    std::vector<std::string> entries;
    for (PimmoText id : ids)
        entries.emplace_back(Text(id));
    return entries;
}
const char* const kPictureSizeEntries[] = {"80", "160", "240", "320", "400", "480", "640"};

std::vector<std::string> NumberEntries(int first, int last) {
    std::vector<std::string> entries;
    for (int value = first; value <= last; ++value)
        entries.push_back(std::to_string(value));
    return entries;
}

// The entry that shows value, -1 when the list has none.
int IndexOf(const std::vector<std::string>& entries, int value) {
    auto found = std::find(entries.begin(), entries.end(), std::to_string(value));
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

void LoadBirthday(OptionsForm& form, const CalendarDate& birthday, const CalendarDate& today) {
    // A stored birthday that is no date at all selects nothing; ApplyOptions then asks for one.
    const bool valid = IsValidDate(birthday);
    for (int year : BirthYears(valid ? birthday.year : 0, today.year))
        form.PimmoBirthYear.entries.push_back(std::to_string(year));
    form.PimmoBirthMonth.entries = NumberEntries(1, 12);
    form.PimmoBirthDay.entries = NumberEntries(1, 31);
    if (!valid)
        return;
    form.PimmoBirthYear.selected = IndexOf(form.PimmoBirthYear.entries, birthday.year);
    form.PimmoBirthMonth.selected = IndexOf(form.PimmoBirthMonth.entries, birthday.month);
    form.PimmoBirthDay.selected = IndexOf(form.PimmoBirthDay.entries, birthday.day);
}

// The lists with an empty entry first, selected when the setting has no due date.
void LoadDueDate(OptionsForm& form, const CalendarDate& dueDate, const CalendarDate& today) {
    const bool valid = IsValidDate(dueDate);
    form.PimmoDueYear.entries = {""};
    for (int year : BirthYears(valid ? dueDate.year : 0, today.year + 1))
        form.PimmoDueYear.entries.push_back(std::to_string(year));
    form.PimmoDueMonth.entries = NumberEntries(1, 12);
    form.PimmoDueMonth.entries.insert(form.PimmoDueMonth.entries.begin(), "");
    form.PimmoDueDay.entries = NumberEntries(1, 31);
    form.PimmoDueDay.entries.insert(form.PimmoDueDay.entries.begin(), "");
    form.PimmoDueYear.selected = valid ? IndexOf(form.PimmoDueYear.entries, dueDate.year) : 0;
    form.PimmoDueMonth.selected = valid ? IndexOf(form.PimmoDueMonth.entries, dueDate.month) : 0;
    form.PimmoDueDay.selected = valid ? IndexOf(form.PimmoDueDay.entries, dueDate.day) : 0;
}

void ShowButtonsFor(OptionsForm& form, OptionsMode mode) {
    const bool wizard = mode == OptionsMode::Wizard;
    form.CommandOKVisible = !wizard;
    form.CommandCancelVisible = !wizard;
    form.CommandSelectPictureVisible = wizard;
    form.CommandNextVisible = wizard;
}

}  // namespace

std::vector<int> BirthYears(int storedYear, int currentYear) {
    const int lastYear = std::max(kFirstBirthYear, currentYear);
    std::vector<int> years;
    if (storedYear > 0 && storedYear < kFirstBirthYear)
        years.push_back(storedYear);
    for (int year = kFirstBirthYear; year <= lastYear; ++year)
        years.push_back(year);
    if (storedYear > lastYear)
        years.push_back(storedYear);
    return years;
}

CheckState CheckStateOf(int16_t value) {
    if (value == 0)
        return CheckState::Unchecked;
    return value == 1 ? CheckState::Checked : CheckState::Grayed;
}

int16_t CheckedValue(CheckState state, int16_t stored) {
    switch (state) {
        case CheckState::Unchecked:
            return 0;
        case CheckState::Checked:
            return 1;
        case CheckState::Grayed:
            break;
    }
    return stored;
}

std::string PictureFileLabel(const std::string& pictureFile) {
    return pictureFile.empty() ? std::string(Text(PimmoText::NoPicture)) : pictureFile;
}

std::string PictureFolderLabel(const std::string& folder) {
    return folder.empty() ? std::string() : FormatText(Text(PimmoText::FolderLabel), {folder});
}

void TakeChosenFolder(OptionsForm& form, const std::string& folder) {
    if (folder.empty())
        return;
    form.PictureFolder = folder;
    form.LabelPictureFolder = PictureFolderLabel(folder);
    if (form.PimmoPictureOrder.selected <= 0)
        form.PimmoPictureOrder.selected = 1;
}

void UpdateIntervalControl(OptionsForm& form) {
    form.PimmoPictureInterval.enabled = form.PimmoPictureOrder.selected == static_cast<int>(PictureOrder::Interval);
}

void UpdateSizeControls(OptionsForm& form) {
    // Any value but 0 shows the photo scaled, so a grayed box enables the size controls too.
    const bool scaled = form.PimmoIsPhotoStretch != CheckState::Unchecked;
    form.PimmoStretchMode.enabled = scaled;
    form.PimmoPictureSize.enabled = scaled;
}

OptionsForm LoadOptions(const SettingRecord& record, const CalendarDate& today, OptionsMode mode) {
    OptionsForm form;
    form.caption = Text(PimmoText::OptionsCaption);
    form.PimmoName = record.PimmoName;
    LoadBirthday(form, record.PimmoBirthDay, today);
    LoadDueDate(form, record.PimmoDueDay, today);
    form.PimmoIsTopMost = CheckStateOf(record.WindowPosition);
    form.PimmoIsPhotoStretch = CheckStateOf(record.IsStretched);
    form.PimmoStretchMode.entries = TextEntries(kStretchModeEntries);
    // A mode outside 0..2 (hand-edited file) selects nothing and is kept unless the user picks one.
    if (record.StretchMode >= 0 && record.StretchMode < static_cast<int>(std::size(kStretchModeEntries)))
        form.PimmoStretchMode.selected = record.StretchMode;
    form.PimmoPictureSize.entries.assign(std::begin(kPictureSizeEntries), std::end(kPictureSizeEntries));
    form.PimmoPictureSize.text = std::to_string(record.PictureSize);
    UpdateSizeControls(form);
    form.PimmoHideFromCapture = CheckStateOf(record.HideFromCapture);
    form.LabelPictureFile = PictureFileLabel(record.PictureFile);
    form.PimmoPictureOrder.entries = TextEntries(kPictureOrderEntries);
    // An order outside 0..4 (hand-edited file) selects nothing and is kept.
    if (record.PictureOrder >= 0 && record.PictureOrder < static_cast<int>(std::size(kPictureOrderEntries)))
        form.PimmoPictureOrder.selected = record.PictureFolder.empty() ? 0 : record.PictureOrder;
    for (int16_t minutes : kIntervalChoices)
        form.PimmoPictureInterval.entries.push_back(
            FormatText(Text(PimmoText::IntervalMinutes), {std::to_string(minutes)}));
    const int minutes = IntervalMinutes(record.PictureInterval);
    form.PimmoPictureInterval.selected = static_cast<int>(
        std::find(std::begin(kIntervalChoices), std::end(kIntervalChoices), minutes) - std::begin(kIntervalChoices));
    UpdateIntervalControl(form);
    form.PimmoPictureSubfolders = CheckStateOf(record.PictureSubfolders);
    form.PictureFolder = record.PictureFolder;
    form.LabelPictureFolder = PictureFolderLabel(record.PictureFolder);
    ShowButtonsFor(form, mode);
    return form;
}
