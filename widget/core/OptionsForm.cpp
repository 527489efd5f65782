#include "widget/core/OptionsForm.h"

#include <algorithm>
#include <span>

#include "widget/core/PimmoTexts.h"

namespace {

constexpr PimmoText kStretchModeEntries[] = {PimmoText::StretchWidth, PimmoText::StretchHeight,
                                             PimmoText::StretchLonger};
constexpr PimmoText kPictureOrderEntries[] = {PimmoText::OrderOneFile, PimmoText::OrderNewest, PimmoText::OrderOneADay,
                                              PimmoText::OrderThisDay};

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
    form.PimmoIsTopMost = CheckStateOf(record.WindowPosition);
    form.PimmoIsPhotoStretch = CheckStateOf(record.IsStretched);
    form.PimmoStretchMode.entries = TextEntries(kStretchModeEntries);
    // A mode outside 0..2 (hand-edited file) selects nothing and is kept unless the user picks one.
    if (record.StretchMode >= 0 && record.StretchMode < static_cast<int>(std::size(kStretchModeEntries)))
        form.PimmoStretchMode.selected = record.StretchMode;
    form.PimmoPictureSize.entries.assign(std::begin(kPictureSizeEntries), std::end(kPictureSizeEntries));
    form.PimmoPictureSize.text = std::to_string(record.PictureSize);
    UpdateSizeControls(form);
    form.LabelPictureFile = PictureFileLabel(record.PictureFile);
    form.PimmoPictureOrder.entries = TextEntries(kPictureOrderEntries);
    // An order outside 0..3 (hand-edited file) selects nothing and is kept.
    if (record.PictureOrder >= 0 && record.PictureOrder < static_cast<int>(std::size(kPictureOrderEntries)))
        form.PimmoPictureOrder.selected = record.PictureFolder.empty() ? 0 : record.PictureOrder;
    form.PimmoPictureSubfolders = CheckStateOf(record.PictureSubfolders);
    form.PictureFolder = record.PictureFolder;
    form.LabelPictureFolder = PictureFolderLabel(record.PictureFolder);
    ShowButtonsFor(form, mode);
    return form;
}
