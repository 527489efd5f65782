#include "widget/core/ThisDayPhoto.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>

#include "widget/core/PhotoAge.h"
#include "widget/core/PimmoTexts.h"

namespace {

// How many years are played through at most: a wrong camera clock (the year 1900) costs nothing.
constexpr int kYearsPlayed = 150;

struct Candidate {
    size_t photo;  // index into the photos
    CalendarDate taken;
    uint32_t shown = 0;  // how often the years played so far showed it
};

// A candidate's place in a year's choice: the fewest showings, not last year's, the shuffle.
auto Place(const std::vector<PhotoEntry>& photos, const Candidate& candidate, uint64_t seed, bool lastYear) {
    const std::string_view name = photos[candidate.photo].name;
    return std::make_tuple(candidate.shown, lastYear, RoundRank(seed, candidate.shown, name), name);
}

// The photos of this day in the year of `day` that count on it, best first.
std::vector<size_t> PhotosOfYear(const std::vector<PhotoEntry>& photos,
                                 const std::vector<Candidate>& candidates,
                                 uint64_t seed,
                                 const CalendarDate& day,
                                 const std::optional<size_t>& lastYear) {
    std::vector<size_t> order;
    for (size_t c = 0; c < candidates.size(); ++c)
        if (IsThisDayInEarlierYear(candidates[c].taken, day))
            order.push_back(c);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return Place(photos, candidates[a], seed, lastYear == a) < Place(photos, candidates[b], seed, lastYear == b);
    });
    return order;
}

}  // namespace

bool IsThisDayInEarlierYear(const CalendarDate& taken, const CalendarDate& today) {
    if (!IsValidDate(taken) || !IsValidDate(today) || taken.year >= today.year || taken.month != today.month)
        return false;
    if (taken.day == today.day)
        return true;
    // Without a 29 February this year, its photos are remembered a day early.
    return taken.month == 2 && taken.day == 29 && today.day == 28 && !IsLeapYear(today.year);
}

std::vector<DailyCandidate> ThisDayPhotoCandidates(const std::vector<PhotoEntry>& photos,
                                                   const DailyPhotoState& state,
                                                   const CalendarDate& today,
                                                   size_t count) {
    std::vector<Candidate> candidates;
    int firstYear = today.year;
    for (size_t i = 0; i < photos.size(); ++i) {
        const CalendarDate taken = LocalDateOf(photos[i].taken);
        if (IsThisDayInEarlierYear(taken, today)) {
            candidates.push_back({i, taken});
            firstYear = std::min(firstYear, taken.year + 1);
        }
    }
    std::optional<size_t> lastYear;
    for (int year = std::max(firstYear, today.year - kYearsPlayed); year < today.year; ++year) {
        const CalendarDate day{year, today.month, today.day};
        if (!IsValidDate(day))
            continue;  // a 29 February in a common year
        const std::vector<size_t> order = PhotosOfYear(photos, candidates, state.seed, day, lastYear);
        lastYear = order.empty() ? std::optional<size_t>() : order.front();
        if (lastYear)
            ++candidates[*lastYear].shown;
    }
    DailyPhotoState next = state;
    next.day = today;
    std::vector<DailyCandidate> chosen;
    for (size_t c : PhotosOfYear(photos, candidates, state.seed, today, lastYear))
        if (chosen.size() < count)
            chosen.push_back({candidates[c].photo, next});
    for (const DailyCandidate& daily : DailyPhotoCandidates(photos, state, today, count)) {
        const bool tried = std::any_of(chosen.begin(), chosen.end(), [&](auto& c) { return c.photo == daily.photo; });
        if (chosen.size() < count && !tried)
            chosen.push_back(daily);
    }
    return chosen;
}

std::string ThisDayLabel(const CalendarDate& taken, const CalendarDate& today, Language language) {
    if (!IsThisDayInEarlierYear(taken, today))
        return {};
    const int years = today.year - taken.year;
    return FormatText(Text(years == 1 ? PimmoText::ThisDayYearAgo : PimmoText::ThisDayYearsAgo, language),
                      {std::to_string(years)});
}
