#include "widget/core/PhotoFolderSetting.h"

#include "widget/core/PhotoAge.h"
#include "widget/core/PhotoFolderChoice.h"
#include "widget/core/PhotoFolderScan.h"
#include "widget/core/PhotoInterval.h"
#include "widget/core/PimmoTexts.h"
#include "widget/core/ThisDayPhoto.h"

namespace {

DailyPhotoState DailyStateOf(const SettingRecord& record) {
    return DailyStateFromTexts({record.PictureDay, record.PictureSeed, record.PictureRound, record.PictureShown});
}

FolderCandidate Candidate(const SettingRecord& record, const PhotoEntry& photo) {
    return {PhotoPath(record.PictureFolder, photo.name), photo, std::nullopt};
}

// The date of a photo: the stored form in Japanese, the user's short date in English.
std::string PhotoDateText(LocalSeconds time) {
    return UserLanguage() == Language::Japanese ? FormatLocalDate(time) : UserShortDate(LocalDateOf(time));
}

}  // namespace

std::vector<FolderCandidate> FolderCandidates(const SettingRecord& record,
                                              const PhotoIndex& photos,
                                              const CalendarDate& today,
                                              int settingNumber,
                                              uint64_t entropy) {
    std::vector<FolderCandidate> candidates;
    const PictureOrder order = OrderOf(record);
    if (order != PictureOrder::OneADay && order != PictureOrder::ThisDay && order != PictureOrder::Interval) {
        for (size_t i : NewestPhotos(photos))
            candidates.push_back(Candidate(record, photos[i]));
        return candidates;
    }
    DailyPhotoState state = DailyStateOf(record);
    if (state.seed == 0)  // a setting new to "one a day": its own shuffle
        state = StartDailyPhotoState(settingNumber, entropy);
    // The interval order takes the photos that arrived since its round began first; "one a day"
    // keeps a newcomer at its place in the shuffle, as it always did.
    const ArrivalDay arrivalDay = [&record](int64_t taken) { return PhotoSlotDay(record, taken); };
    for (const DailyCandidate& daily :
         order == PictureOrder::ThisDay
             ? ThisDayPhotoCandidates(photos, state, today)
             : DailyPhotoCandidates(photos, state, today, kPhotoCandidates,
                                    order == PictureOrder::Interval ? arrivalDay : ArrivalDay{})) {
        candidates.push_back(Candidate(record, photos[daily.photo]));
        candidates.back().dailyTexts = DailyStateTexts(daily.state);
    }
    return candidates;
}

bool TakeFolderCandidate(SettingRecord& record, const FolderCandidate& candidate) {
    const SettingRecord before = record;
    if (candidate.path != record.PictureFile) {
        record.PictureFile = candidate.path;
        record.IsStretchBmpCashed = 0;  // the cache follows the shown file
    }
    if (candidate.dailyTexts) {
        const auto& texts = *candidate.dailyTexts;
        record.PictureDay = texts[0];
        record.PictureSeed = texts[1];
        record.PictureRound = texts[2];
        record.PictureShown = texts[3];
    }
    return record.PictureFile != before.PictureFile || record.PictureDay != before.PictureDay ||
           record.PictureSeed != before.PictureSeed || record.PictureRound != before.PictureRound ||
           record.PictureShown != before.PictureShown;
}

bool TakeEmptyFolder(SettingRecord& record) {
    if (record.PictureFile.empty())
        return false;
    record.PictureFile.clear();
    record.IsStretchBmpCashed = 0;
    return true;
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
    const PictureOrder order = OrderOf(record);
    return (order == PictureOrder::OneADay || order == PictureOrder::ThisDay || order == PictureOrder::Interval) &&
           DailyStateOf(record).day != today;
}

bool FolderRetryNeeded(const SettingRecord& record, FolderStatus status, bool chooseOnly, bool watchRunning) {
    const bool watchWanted = OrderOf(record) == PictureOrder::Newest && !chooseOnly;
    return UsesPictureFolder(record) && !chooseOnly &&
           (status == FolderStatus::Unreachable || (watchWanted && !watchRunning));
}

bool FolderSettingDiffers(const SettingRecord& a, const SettingRecord& b) {
    return a.PictureFolder != b.PictureFolder || OrderOf(a) != OrderOf(b) || a.PictureSubfolders != b.PictureSubfolders;
}

std::string FormatLocalDate(LocalSeconds time) {
    return FormatDate(LocalDateOf(time));
}

namespace {

// The first few skipped sub-folders: a tooltip stays a few lines long.
std::string SkippedText(const std::vector<std::string>& skipped) {
    constexpr size_t kNamed = 3;
    std::string names;
    for (size_t i = 0; i < skipped.size() && i < kNamed; ++i)
        names += (i == 0 ? "" : ", ") + skipped[i];
    if (skipped.size() > kNamed)
        names += ", ...";
    return "\r\n" + FormatText(Text(PimmoText::FolderSkipped), {names});
}

std::string FolderStatusText(const SettingRecord& record, const FolderView& view) {
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

}  // namespace

std::string FolderTooltipText(const SettingRecord& record, const FolderView& view) {
    if (!UsesPictureFolder(record))
        return {};
    const std::string text = FolderStatusText(record, view);
    return view.skipped.empty() ? text : text + SkippedText(view.skipped);
}
