#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/support/PhotoExif.h"
#include "tests/native/ProfileTestFolder.h"
#include "widget/core/PhotoFolderChoice.h"
#include "widget/core/PhotoFolderScan.h"

namespace {

const std::string kSoi("\xFF\xD8", 2);
const std::string kScan("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00\x12\x34\x56", 13);
constexpr LocalSeconds kMay1At10 = 18748 * 86400 + 10 * 3600;  // 2021-05-01 10:00:00

std::string Dated(const std::string& date, bool bigEndian = false) {
    return kSoi + photo_test::ExifSegment(1, bigEndian, 3, date) + kScan;
}

PhotoEntry Entry(const std::string& bytes, LocalSeconds lastWrite = 7) {
    return MakePhotoEntry("a.jpg", lastWrite, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(PhotoFolderChoice, DateTakenFromExifElseLastWrite) {
    const std::string good = Dated("2021:05:01 10:00:00");
    const struct {
        std::string bytes;
        LocalSeconds taken;
    } cases[] = {
        {good, kMay1At10},
        {Dated("2021:05:01 10:00:00", true), kMay1At10},
        {Dated("2021:05:01 10:00:59"), kMay1At10 + 59},
        {kSoi + photo_test::ExifSegment(6) + kScan, 7},  // Exif without a date
        {Dated("0000:00:00 00:00:00"), 7},               // a camera without a clock
        {Dated("2021:02:29 10:00:00"), 7},
        {Dated("2021:05:01 24:00:00"), 7},
        {Dated("2021-05-01 10:00:00"), 7},
        {Dated("2021:05:01"), 7},
        {good.substr(0, good.size() - kScan.size() - 3), 7},  // cut off inside the date
        {"\x89PNG\r\n\x1A\n" + good, 7},
    };
    for (const auto& c : cases) {
        const PhotoEntry entry = Entry(c.bytes);
        EXPECT_EQ(entry.taken, c.taken) << c.bytes;
        EXPECT_EQ(entry.takenFromExif, c.taken != 7);
    }
}

TEST(PhotoFolderChoice, NewestByDateThenName) {
    const struct {
        std::vector<PhotoEntry> photos;
        std::optional<size_t> newest;
    } cases[] = {
        {{}, std::nullopt},
        {{{"a.jpg", 5, true}, {"b.jpg", 9, false}, {"c.jpg", 6, true}}, 1},
        {{{"IMG_2.jpg", 9, true}, {"IMG_10.jpg", 9, true}, {"IMG_3.jpg", 9, false}}, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NewestPhoto(c.photos), c.newest);
    const std::vector<PhotoEntry> photos = {{"a", 5, true}, {"b", 9, true}, {"c", 7, true}, {"d", 1, true}};
    EXPECT_EQ(NewestPhotos(photos, 3), (std::vector<size_t>{1, 2, 0})) << "the next newest follow";
}

std::vector<PhotoEntry> Photos(int count, const std::string& prefix = "p") {
    std::vector<PhotoEntry> photos;
    for (int i = 0; i < count; ++i)
        photos.push_back({prefix + std::to_string(i) + ".jpg", i, false});
    return photos;
}

// The names chosen on `days` days in a row from state, with a restart each day, one list a round.
std::vector<std::vector<std::string>> Days(const std::vector<PhotoEntry>& photos,
                                           DailyPhotoState& state,
                                           int days,
                                           int first = 0) {
    std::vector<std::vector<std::string>> rounds;
    for (int day = first; day < first + days; ++day) {
        const CalendarDate today = DateFromDayNumber(19000 + day);
        const DailyCandidate choice = DailyPhotoCandidates(photos, state, today).at(0);
        EXPECT_EQ(DailyPhotoCandidates(photos, choice.state, today).at(0).photo, choice.photo) << "same all day";
        if (rounds.empty() || choice.state.round != state.round)
            rounds.emplace_back();
        state = DailyStateFromTexts(DailyStateTexts(choice.state));
        EXPECT_EQ(state, choice.state);
        rounds.back().push_back(photos[choice.photo].name);
    }
    return rounds;
}

size_t Distinct(const std::vector<std::string>& names) {
    return std::set(names.begin(), names.end()).size();
}

TEST(PhotoFolderChoice, OneADayShowsEveryPhotoBeforeAnyComesBack) {
    for (size_t count : {1, 2, 7}) {
        DailyPhotoState state = StartDailyPhotoState(3, 42);
        const auto rounds = Days(Photos(count), state, count * 4);
        ASSERT_EQ(rounds.size(), 4u);
        for (size_t i = 0; i < rounds.size(); ++i) {
            EXPECT_EQ(Distinct(rounds[i]), count);
            EXPECT_TRUE(i == 0 || count == 1 || rounds[i].front() != rounds[i - 1].back()) << "never twice in a row";
        }
    }
}

TEST(PhotoFolderChoice, TwoSettingsOnOneFolderFollowTheirOwnOrders) {
    DailyPhotoState first = StartDailyPhotoState(1, 42), second = StartDailyPhotoState(2, 42);
    EXPECT_NE(Days(Photos(10), first, 10), Days(Photos(10), second, 10));
}

TEST(PhotoFolderChoice, PhotosAddedAndRemovedBetweenDays) {
    DailyPhotoState state = StartDailyPhotoState(5, 9);
    std::vector<std::string> shown = Days(Photos(6), state, 3).front();
    // The three not shown yet leave and four new ones come: the round goes on with the new ones
    // placed after the photo shown last; the next rounds hold every photo of the folder.
    std::vector<PhotoEntry> photos = Photos(4, "new");
    for (const std::string& name : shown)
        photos.push_back({name, 0, false});
    auto rounds = Days(photos, state, 3 * 7, 3);
    rounds.front().insert(rounds.front().begin(), shown.begin(), shown.end());
    ASSERT_GE(rounds.size(), 3u);
    for (size_t i = 0; i < rounds.size(); ++i) {
        EXPECT_EQ(Distinct(rounds[i]), rounds[i].size()) << "no photo twice in a round";
        EXPECT_TRUE(i == 0 || i + 1 == rounds.size() || rounds[i].size() == photos.size());
        for (const std::string& name : i == 0 ? std::vector(rounds[0].begin() + 3, rounds[0].end()) : rounds[i])
            EXPECT_TRUE(std::count_if(photos.begin(), photos.end(), [&](auto& p) { return p.name == name; }));
    }
}

// A photo that does not load gives way to the next; the state moves only with a photo shown.
// Over each round every photo that loads is shown exactly once, and a day tries few photos.
TEST(PhotoFolderChoice, OneADaySkipsPhotosThatDoNotLoad) {
    const std::vector<PhotoEntry> photos = Photos(40);
    auto loads = [](const PhotoEntry& photo) { return photo.name.find('7') == std::string::npos; };
    DailyPhotoState state = StartDailyPhotoState(2, 11);
    std::vector<std::vector<std::string>> rounds;
    for (int day = 0; day < 3 * 36; ++day) {
        const auto candidates = DailyPhotoCandidates(photos, state, DateFromDayNumber(19000 + day));
        ASSERT_LE(candidates.size(), kPhotoCandidates);
        const auto shown =
            std::find_if(candidates.begin(), candidates.end(), [&](auto& c) { return loads(photos[c.photo]); });
        ASSERT_NE(shown, candidates.end());
        if (rounds.empty() || shown->state.round != state.round)
            rounds.emplace_back();
        rounds.back().push_back(photos[shown->photo].name);
        state = shown->state;
    }
    ASSERT_EQ(rounds.size(), 3u);
    for (const auto& round : rounds)
        EXPECT_EQ(Distinct(round), 36u) << "the 36 photos that load, each once";
    const std::vector<PhotoEntry> broken = Photos(20000);
    EXPECT_EQ(DailyPhotoCandidates(broken, state, DateFromDayNumber(20000)).size(), kPhotoCandidates);
}

// The first scan reads every photo; the next ones only what is new or changed, and what left
// the folder leaves the index.
TEST(PhotoFolderChoice, FolderScanReadsOnlyNewAndChangedPhotos) {
    ProfileTestFolder folder;
    std::filesystem::create_directory(folder.Path() / "sub");
    WriteBytes(folder.File("a.JPG"), Dated("2021:05:01 10:00:00"));
    WriteBytes(folder.File("b.png"), "png");
    WriteBytes(folder.File("notes.txt"), "text");
    WriteBytes(folder.File("sub/c.jpeg"), Dated("2021:05:01 10:00:00", true));
    for (bool subfolders : {false, true}) {
        const PhotoFolderScan scan = ScanPhotoFolder(folder.Path().string(), subfolders, {});
        ASSERT_EQ(scan.reach, FolderReach::Complete);
        ASSERT_EQ(scan.photos.size(), subfolders ? 3u : 2u);
        EXPECT_EQ(scan.photos[0].name, "a.JPG");
        EXPECT_EQ(scan.photos[0].taken, kMay1At10);
        EXPECT_FALSE(scan.photos[1].takenFromExif);
        EXPECT_EQ(scan.photos.back().name, subfolders ? "sub/c.jpeg" : "b.png");
    }
    const PhotoIndex known = ScanPhotoFolder(folder.Path().string(), true, {}).photos;
    EXPECT_EQ(ScanPhotoFolder(folder.Path().string(), true, known).opened, 0u);
    WriteBytes(folder.File("a.JPG"), Dated("2022:05:01 10:00:00") + "longer");
    std::filesystem::rename(folder.File("sub/c.jpeg"), folder.File("sub/d.jpeg"));
    const PhotoFolderScan again = ScanPhotoFolder(folder.Path().string(), true, known);
    EXPECT_EQ(again.opened, 2u) << "the changed photo and the renamed one";
    ASSERT_EQ(again.photos.size(), 3u);
    EXPECT_EQ(again.photos[0].taken, kMay1At10 + 365 * 86400);
    EXPECT_EQ(again.photos[2].name, "sub/d.jpeg");
    EXPECT_EQ(ScanPhotoFolder(folder.File("missing"), true, {}).reach, FolderReach::Unreachable);
    EXPECT_EQ(ScanPhotoFolder(folder.Path().string(), true, {}, [] { return true; }).reach, FolderReach::Stopped);
}

}  // namespace
