#pragma once
// The child's age at a glance, shown as the photo's tooltip: the age in years, months and
// days, the day count of the caption, and the next day the widget will announce.
#include <cstdint>
#include <optional>
#include <string>

#include "base/core/Language.h"
#include "common/core/CalendarDate.h"

// Completed years, months and days since birth. A month (or year) is complete on the day of
// the month the child was born, never earlier: where a month lacks that day (the 31st, the
// 30th, 29 February) it is complete on the 1st of the next month. So "Nヶ月0日" falls only on
// a day the anniversary message names, or on the 1st after a month without one; a child born
// on 29 February turns one on 1 March of a common year.
struct AgeSpan {
    int years = 0;
    int months = 0;  // 0..11
    int days = 0;    // 0..30
    bool operator==(const AgeSpan&) const = default;
};

// nullopt before the day of birth.
std::optional<AgeSpan> AgeOn(const CalendarDate& birthday, const CalendarDate& today);

// "1歳2ヶ月3日"; in English the parts that are not zero, "2 years 3 months 5 days", "1 year",
// and "0 days" on the day of birth.
std::string AgeSpanText(const AgeSpan& age, Language language = UserLanguage());

// The age counted from the due date, for a child born before it, as parents and doctors count
// its development until it is two: the text beside the age ("修正: 3ヶ月2日", or the days left
// to the due date while it is still ahead). Empty without a due date after the birthday,
// before the birth, and from the second birthday of the corrected age on.
std::string CorrectedAgeText(const CalendarDate& birthday,
                             const CalendarDate& dueDate,
                             const CalendarDate& today,
                             Language language = UserLanguage());

// The next day after today that the anniversary message announces, by the same rules.
struct Milestone {
    CalendarDate date;
    int64_t daysLeft = 0;  // 1 for tomorrow
    std::string name;      // "1歳のお誕生日", "誕生から200日め", both joined by "と" on one day
};

// nullopt when none comes before the end of the calendar (year 9999).
std::optional<Milestone> NextMilestone(const CalendarDate& birthday,
                                       const CalendarDate& today,
                                       Language language = UserLanguage());

// Lines joined by "\r\n", UTF-8:
//   "1歳2ヶ月3日", with the corrected age beside it for a child born early (CorrectedAgeText)
//   (before birth: "誕生まであと" + n + "日")
//   the age caption ("Xが生まれてから今日で430日")
//   "次の記念日: " + milestone + " (あと" + n + "日)", left out when there is none.
std::string AgeTooltipText(const std::string& name,
                           const CalendarDate& birthday,
                           const CalendarDate& today,
                           Language language = UserLanguage(),
                           const CalendarDate& dueDate = {});
