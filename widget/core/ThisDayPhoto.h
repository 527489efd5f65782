#pragma once
// "この日の写真": each day a photo taken on this calendar day in an earlier year, a different one
// each year on that day, none again before every photo of that day came once (a round); on a
// day without such a photo, the photo of "one a day" (PhotoFolderChoice.h), whose state it keeps.
#include <string>
#include <vector>

#include "base/core/Language.h"
#include "common/core/CalendarDate.h"
#include "widget/core/PhotoFolderChoice.h"

// The photo's day falls on today's month and day in an earlier year. A photo of 29 February
// counts on 28 February of a year without that day.
bool IsThisDayInEarlierYear(const CalendarDate& taken, const CalendarDate& today);

// Today's photo and the ones to try after it, best first (at most `count`). Which photo of this
// day a year shows needs no memory of its own: the years since the oldest of them are played
// through, each year taking the photo shown least often so far (a photo from last year first),
// among equals the first in the round's shuffle of the setting's seed and never the photo of
// the year before. So a restart the same day keeps the photo, and a photo that joins comes
// first. Their state is the one passed in with today as its day: what "one a day" showed last
// stays, and its round goes on where it stood. After them, and on a day without a photo of
// this day, DailyPhotoCandidates'.
std::vector<DailyCandidate> ThisDayPhotoCandidates(const std::vector<PhotoEntry>& photos,
                                                   const DailyPhotoState& state,
                                                   const CalendarDate& today,
                                                   size_t count = kPhotoCandidates);

// "3年前の今日" ("3 years ago today") for a photo of this day in an earlier year, empty for any
// other.
std::string ThisDayLabel(const CalendarDate& taken, const CalendarDate& today, Language language = UserLanguage());
