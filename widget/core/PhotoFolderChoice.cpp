#include "widget/core/PhotoFolderChoice.h"

#include <algorithm>
#include <charconv>
#include <string_view>
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

// Up to `count` photos of the round placed after `after` (from the start when there is none),
// in the round's order; photos marked in `left` are not in it. One pass and a small heap.
std::vector<size_t> NextInRound(const std::vector<PhotoEntry>& photos,
                                uint64_t seed,
                                uint32_t round,
                                const std::optional<Place>& after,
                                size_t count,
                                const std::vector<bool>& left = {}) {
    std::vector<std::pair<Place, size_t>> best;  // the `count` first places, kept as a max-heap
    for (size_t i = 0; i < photos.size(); ++i) {
        if (!left.empty() && left[i])
            continue;
        const Place place{Rank(seed, round, photos[i].name), photos[i].name};
        if (after && !(place > *after))
            continue;
        if (best.size() < count) {
            best.emplace_back(place, i);
            std::push_heap(best.begin(), best.end());
        } else if (place < best.front().first) {
            std::pop_heap(best.begin(), best.end());
            best.back() = {place, i};
            std::push_heap(best.begin(), best.end());
        }
    }
    std::sort_heap(best.begin(), best.end());
    std::vector<size_t> order;
    order.reserve(best.size());
    for (const auto& entry : best)
        order.push_back(entry.second);
    return order;
}

template <typename Number>
Number ParseNumber(const std::string& text, Number fallback) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace

std::vector<size_t> NewestPhotos(const std::vector<PhotoEntry>& photos, size_t count) {
    auto newer = [&](size_t a, size_t b) {
        return std::tie(photos[a].taken, photos[a].name) > std::tie(photos[b].taken, photos[b].name);
    };
    std::vector<size_t> order;
    if (count == 0)
        return order;
    for (size_t i = 0; i < photos.size(); ++i) {
        if (order.size() == count && !newer(i, order.front()))
            continue;  // not newer than the oldest kept (the heap's front): one look, no heap work
        order.push_back(i);
        std::push_heap(order.begin(), order.end(), [&](size_t a, size_t b) { return newer(a, b); });
        if (order.size() > count) {  // the oldest of the kept ones leaves
            std::pop_heap(order.begin(), order.end(), [&](size_t a, size_t b) { return newer(a, b); });
            order.pop_back();
        }
    }
    std::sort(order.begin(), order.end(), newer);
    return order;
}

std::optional<size_t> NewestPhoto(const std::vector<PhotoEntry>& photos) {
    const std::vector<size_t> newest = NewestPhotos(photos, 1);
    return newest.empty() ? std::nullopt : std::optional<size_t>(newest.front());
}

namespace {

// The round's text: its number, and for the interval order what it keeps of its arrivals,
// after '|' (a character no file name holds): "3|20150|1741514400|IMG_7.JPG|IMG_2.JPG".
std::string RoundText(const DailyPhotoState& state) {
    std::string text = std::to_string(state.round);
    if (state.began >= 0)
        text += '|' + std::to_string(state.began) + '|' + std::to_string(state.arrivedTaken) + '|' + state.arrivedName +
                '|' + state.placed;
    return text;
}

void ReadRoundText(const std::string& text, DailyPhotoState& state) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '|')
            parts.emplace_back();
        else
            parts.back().push_back(c);
    }
    state.round = ParseNumber<uint32_t>(parts[0], 0);
    if (parts.size() != 5)
        return;
    state.began = ParseNumber<int64_t>(parts[1], -1);
    state.arrivedTaken = ParseNumber<int64_t>(parts[2], 0);
    state.arrivedName = parts[3];
    state.placed = parts[4];
}

}  // namespace

std::array<std::string, 4> DailyStateTexts(const DailyPhotoState& state) {
    return {IsValidDate(state.day) ? FormatDate(state.day) : std::string(), std::to_string(state.seed),
            RoundText(state), state.shown};
}

DailyPhotoState DailyStateFromTexts(const std::array<std::string, 4>& texts) {
    DailyPhotoState state;
    if (auto day = texts[0].empty() ? std::nullopt : ParseDate(texts[0]))
        state.day = *day;
    state.seed = ParseNumber<uint64_t>(texts[1], 0);
    ReadRoundText(texts[2], state);
    state.shown = texts[3];
    return state;
}

uint64_t RoundRank(uint64_t seed, uint32_t round, std::string_view name) {
    return Rank(seed, round, name);
}

DailyPhotoState StartDailyPhotoState(int settingNumber, uint64_t entropy) {
    DailyPhotoState state;
    state.seed = Mix(Mix(static_cast<uint64_t>(settingNumber)) ^ entropy);
    return state;
}

std::vector<DailyCandidate> DailyPhotoCandidates(const std::vector<PhotoEntry>& photos,
                                                 const DailyPhotoState& state,
                                                 CalendarDate today,
                                                 size_t count,
                                                 const ArrivalDay& arrivalDay) {
    std::vector<DailyCandidate> candidates;
    if (photos.empty() || count == 0)
        return candidates;  // keep the round for when the photos come back
    DailyPhotoState next = state;
    next.day = today;
    if (state.day == today && !state.shown.empty()) {
        const auto same = std::find_if(photos.begin(), photos.end(), [&](auto& p) { return p.name == state.shown; });
        if (same != photos.end())
            candidates.push_back({static_cast<size_t>(same - photos.begin()), state});
    }
    auto tried = [&](size_t i) {
        return std::any_of(candidates.begin(), candidates.end(), [&](auto& c) { return c.photo == i; });
    };
    auto add = [&](const std::vector<size_t>& photosInOrder) {
        for (size_t i : photosInOrder) {
            if (candidates.size() == count || tried(i))
                continue;
            next.shown = photos[i].name;
            next.placed.clear();
            candidates.push_back({i, next});
        }
    };
    // Where the shuffle stands: the photo shown last, or the one before the arrivals shown since.
    const bool arrivalLast = !state.arrivedName.empty() && state.shown == state.arrivedName;
    const std::string& mark = arrivalLast ? state.placed : state.shown;
    // The photos that arrived since the round began and were not shown yet, oldest first.
    std::vector<bool> arrived;
    if (arrivalDay) {
        if (next.began < 0)
            next.began = DayNumber(today);
        arrived.resize(photos.size());
        std::vector<size_t> waiting;
        for (size_t i = 0; i < photos.size(); ++i) {
            const int64_t day = DayNumber(arrivalDay(photos[i].taken));
            arrived[i] = day >= next.began && day <= DayNumber(today);
            if (arrived[i] && (state.arrivedName.empty() || std::tie(photos[i].taken, photos[i].name) >
                                                                std::tie(state.arrivedTaken, state.arrivedName)))
                waiting.push_back(i);
        }
        std::sort(waiting.begin(), waiting.end(), [&](size_t a, size_t b) {
            return std::tie(photos[a].taken, photos[a].name) < std::tie(photos[b].taken, photos[b].name);
        });
        for (size_t i : waiting) {
            if (candidates.size() == count || tried(i))
                continue;
            DailyPhotoState shown = next;
            shown.shown = shown.arrivedName = photos[i].name;
            shown.arrivedTaken = photos[i].taken;
            shown.placed = mark;
            candidates.push_back({i, shown});
        }
    }
    // The rest of this round.
    std::optional<Place> after;
    if (!mark.empty())
        after = Place{Rank(state.seed, state.round, mark), mark};
    add(NextInRound(photos, state.seed, state.round, after, count, arrived));
    if (candidates.size() == count)
        return candidates;
    // Then the next round from its start. With two photos or more it never opens with the one
    // just shown: each round number passes it over with a chance of (n - 1) / n, so a few tries
    // always suffice in practice.
    next.round = state.round + 1;
    if (arrivalDay) {  // the next round's arrivals are the photos taken from now on
        next.began = DayNumber(today);
        next.arrivedName.clear();
        next.arrivedTaken = 0;
    }
    for (int tries = 0; tries < 64 && photos.size() > 1; ++tries, ++next.round) {
        const std::vector<size_t> first = NextInRound(photos, state.seed, next.round, std::nullopt, 1);
        if (photos[first.front()].name != state.shown)
            break;
    }
    add(NextInRound(photos, state.seed, next.round, std::nullopt, count));
    return candidates;
}
