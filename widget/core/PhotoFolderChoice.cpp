#include "widget/core/PhotoChoice.h"

#include <charconv>
#include <tuple>
#include <utility>

namespace {

uint64_t Mix(uint64_t value) {  // splitmix64's finalizer: every input bit moves every output bit
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

uint64_t Rank(uint64_t seed, uint32_t round, std::string_view name) {
    uint64_t hash = 0xCBF29CE484222325ull;  // FNV-1a over the name
    for (char c : name)
        hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
    return Mix(hash ^ Mix(seed ^ Mix(round)));
}

// A photo's place in a round: by rank, and by name for two names of the same rank.
using Place = std::pair<uint64_t, std::string_view>;

// The first photo of the round placed after `after` (from the start when there is none).
std::optional<size_t> NextInRound(const std::vector<PhotoEntry>& photos,
                                  uint64_t seed,
                                  uint32_t round,
                                  const std::optional<Place>& after) {
    std::optional<size_t> best;
    Place bestPlace;
    for (size_t i = 0; i < photos.size(); ++i) {
        const Place place{Rank(seed, round, photos[i].name), photos[i].name};
        if ((!after || place > *after) && (!best || place < bestPlace))
            best = i, bestPlace = place;
    }
    return best;
}

template <typename Number>
Number ParseNumber(const std::string& text, Number fallback) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace

PhotoEntry MakePhotoEntry(std::string name, LocalSeconds lastWrite, const uint8_t* head, size_t size) {
    const auto taken = ReadExifDateTaken(head, size);
    return {std::move(name), taken.value_or(lastWrite), taken.has_value()};
}

std::optional<size_t> NewestPhoto(const std::vector<PhotoEntry>& photos) {
    std::optional<size_t> newest;
    for (size_t i = 0; i < photos.size(); ++i) {
        if (!newest ||
            std::tie(photos[i].taken, photos[i].name) > std::tie(photos[*newest].taken, photos[*newest].name))
            newest = i;
    }
    return newest;
}

std::array<std::string, 4> DailyStateTexts(const DailyPhotoState& state) {
    return {IsValidDate(state.day) ? FormatDate(state.day) : std::string(), std::to_string(state.seed),
            std::to_string(state.round), state.shown};
}

DailyPhotoState DailyStateFromTexts(const std::array<std::string, 4>& texts) {
    DailyPhotoState state;
    if (auto day = texts[0].empty() ? std::nullopt : ParseDate(texts[0]))
        state.day = *day;
    state.seed = ParseNumber<uint64_t>(texts[1], 0);
    state.round = ParseNumber<uint32_t>(texts[2], 0);
    state.shown = texts[3];
    return state;
}

DailyPhotoState StartDailyPhotoState(int settingNumber, uint64_t entropy) {
    DailyPhotoState state;
    state.seed = Mix(Mix(static_cast<uint64_t>(settingNumber)) ^ entropy);
    return state;
}

DailyChoice ChooseDailyPhoto(const std::vector<PhotoEntry>& photos, const DailyPhotoState& state, CalendarDate today) {
    DailyChoice choice{std::nullopt, state};
    if (photos.empty())
        return choice;  // keep the round for when the photos come back
    if (state.day == today && !state.shown.empty()) {
        for (size_t i = 0; i < photos.size(); ++i) {
            if (photos[i].name == state.shown) {
                choice.photo = i;
                return choice;
            }
        }
    }
    std::optional<Place> after;
    if (!state.shown.empty())
        after = Place{Rank(state.seed, state.round, state.shown), state.shown};
    choice.photo = NextInRound(photos, state.seed, state.round, after);
    // A new round; with two photos or more never the one just shown again. Each round number
    // passes it over with a chance of (n - 1) / n, so a few tries always suffice in practice.
    for (int tries = 0;
         tries < 64 && (!choice.photo || (photos.size() > 1 && photos[*choice.photo].name == state.shown)); ++tries) {
        ++choice.state.round;
        choice.photo = NextInRound(photos, state.seed, choice.state.round, std::nullopt);
    }
    choice.state.day = today;
    choice.state.shown = photos[*choice.photo].name;
    return choice;
}
