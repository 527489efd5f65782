#include "widget/core/FolderPhoto.h"

#include "widget/core/PimmoTexts.h"

namespace {

constexpr int64_t kSecondsPerDay = 24 * 60 * 60;

DailyPhotoState DailyStateOf(const SettingRecord& record) {
    return DailyStateFromTexts({record.PictureDay, record.PictureSeed, record.PictureRound, record.PictureShown});
}

void StoreDailyState(SettingRecord& record, const DailyPhotoState& state) {
    const auto texts = DailyStateTexts(state);
    record.PictureDay = texts[0];
    record.PictureSeed = texts[1];
    record.PictureRound = texts[2];
    record.PictureShown = texts[3];
}

std::optional<size_t> ChoosePhoto(SettingRecord& record,
                                  const PictureFolderScan& scan,
                                  const CalendarDate& today,
                                  int settingNumber,
                                  uint64_t entropy) {
    if (OrderOf(record) != PictureOrder::OneADay)
        return NewestPhoto(scan.photos);
    DailyPhotoState state = DailyStateOf(record);
    if (state.seed == 0)  // a setting new to "one a day": its own shuffle
        state = StartDailyPhotoState(settingNumber, entropy);
    const DailyChoice choice = ChooseDailyPhoto(scan.photos, state, today);
    if (choice.photo)
        StoreDailyState(record, choice.state);
    return choice.photo;
}

}  // namespace

PictureOrder OrderOf(const SettingRecord& record) {
    if (record.PictureFolder.empty())
        return PictureOrder::OneFile;
    switch (record.PictureOrder) {
        case 1:
            return PictureOrder::Newest;
        case 2:
            return PictureOrder::OneADay;
        default:
            return PictureOrder::OneFile;
    }
}

FolderUpdate TakeFolderScan(SettingRecord& record,
                            const PictureFolderScan& scan,
                            const CalendarDate& today,
                            int settingNumber,
                            uint64_t entropy) {
    FolderUpdate update;
    if (!scan.reachable) {
        update.view.status = FolderStatus::Unreachable;
        return update;
    }
    const SettingRecord before = record;
    const std::optional<size_t> chosen = ChoosePhoto(record, scan, today, settingNumber, entropy);
    update.view.status = chosen ? FolderStatus::Shown : FolderStatus::Empty;
    if (chosen)
        update.view.shown = scan.photos[*chosen];
    const std::string picture = chosen ? PhotoPath(record.PictureFolder, scan.photos[*chosen].name) : std::string();
    if (picture != record.PictureFile) {
        record.PictureFile = picture;
        record.IsStretchBmpCashed = 0;  // the cache follows the shown file
        update.pictureChanged = true;
    }
    update.recordChanged = update.pictureChanged || record.PictureDay != before.PictureDay ||
                           record.PictureSeed != before.PictureSeed || record.PictureRound != before.PictureRound ||
                           record.PictureShown != before.PictureShown;
    return update;
}

void TakeFolder(SettingRecord& record, const std::string& folder) {
    if (folder.empty())
        return;
    if (folder != record.PictureFolder) {
        record.PictureDay.clear();  // a new folder starts its own round on its first day
        record.PictureShown.clear();
    }
    record.PictureFolder = folder;
    if (OrderOf(record) == PictureOrder::OneFile)
        record.PictureOrder = static_cast<int16_t>(PictureOrder::Newest);
}

void LeaveFolder(SettingRecord& record) {
    record.PictureFolder.clear();
    record.PictureOrder = static_cast<int16_t>(PictureOrder::OneFile);
}

bool DailyPhotoIsDue(const SettingRecord& record, const CalendarDate& today) {
    return OrderOf(record) == PictureOrder::OneADay && DailyStateOf(record).day != today;
}

CalendarDate LocalDateOf(LocalSeconds time) {
    const int64_t day = time >= 0 ? time / kSecondsPerDay : (time - kSecondsPerDay + 1) / kSecondsPerDay;
    return DateFromDayNumber(day);
}

std::string FormatLocalDate(LocalSeconds time) {
    return FormatDate(LocalDateOf(time));
}

// The date of a photo: the stored form in Japanese, the user's short date in English.
std::string PhotoDateText(LocalSeconds time) {
    return UserLanguage() == Language::Japanese ? FormatLocalDate(time) : UserShortDate(LocalDateOf(time));
}

std::string FolderTooltipText(const SettingRecord& record, const FolderView& view) {
    if (OrderOf(record) == PictureOrder::OneFile)
        return {};
    switch (view.status) {
        case FolderStatus::Shown:
            return FormatText(
                Text(view.shown->takenFromExif ? PimmoText::FolderShownTaken : PimmoText::FolderShownModified),
                {view.shown->name, PhotoDateText(view.shown->taken)});
        case FolderStatus::Empty:
            return FormatText(Text(PimmoText::FolderEmpty), {record.PictureFolder});
        case FolderStatus::Unreachable:
            return FormatText(Text(PimmoText::FolderUnreachable), {record.PictureFolder});
        case FolderStatus::NotScanned:
            break;
    }
    return FormatText(Text(PimmoText::FolderPlain), {record.PictureFolder});
}
