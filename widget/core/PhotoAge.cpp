#include "widget/core/PhotoAge.h"

#include "widget/core/AgeTooltip.h"
#include "widget/core/PimmoTexts.h"
#include "widget/core/ThisDayPhoto.h"

namespace {

constexpr int64_t kSecondsPerDay = int64_t{24} * 60 * 60;

}  // namespace

CalendarDate LocalDateOf(LocalSeconds time) {
    const int64_t day = time >= 0 ? time / kSecondsPerDay : (time - kSecondsPerDay + 1) / kSecondsPerDay;
    return DateFromDayNumber(day);
}

std::string PhotoAgeText(const CalendarDate& birthday, const CalendarDate& taken, Language language) {
    if (!IsValidDate(birthday) || !IsValidDate(taken))
        return {};
    const std::optional<AgeSpan> age = AgeOn(birthday, taken);
    return FormatText(Text(PimmoText::PhotoAge, language),
                      {age ? AgeSpanText(*age, language) : std::string(Text(PimmoText::PhotoBeforeBirth, language))});
}

std::string PhotoMemoryLines(const SettingRecord& record,
                             const FolderView& folder,
                             const std::optional<LocalSeconds>& oneFileTaken,
                             const CalendarDate& today) {
    const bool fromFolder = UsesPictureFolder(record);
    const std::optional<LocalSeconds> taken =
        fromFolder ? (folder.shown ? std::optional(folder.shown->taken) : std::nullopt) : oneFileTaken;
    if (!taken)
        return {};
    const CalendarDate day = LocalDateOf(*taken);
    std::string lines;
    if (OrderOf(record) == PictureOrder::ThisDay)
        lines = ThisDayLabel(day, today);
    const std::string age = PhotoAgeText(record.PimmoBirthDay, day);
    if (!age.empty())
        lines += (lines.empty() ? "" : "\r\n") + age;
    return lines;
}
