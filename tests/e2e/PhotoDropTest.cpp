#include "tests/e2e/support/PhotoFixture.h"

using namespace photo_e2e;
using namespace photo_test;

namespace {

class PhotoDrop : public PhotoWidget {
protected:
    void SetUp() override {
        Picture(L"kid.bmp", QuadrantBmp(160, 120));
        WriteSetting({{"IsStretchBmpCashed", "1"}});
        m_window = Start();
        // The run day is written just after the window shows: the profile is settled then.
        ASSERT_TRUE(e2e::WaitUntil([&] { return Value("LastRunDay") == DaysAgo(0); }, 10000));
    }
    void TearDown() override {
        if (m_process)
            Close(m_window);
    }
    void ExpectRefusal() {
        auto box = e2e::WaitForMessageBox(m_process->Pid());
        ASSERT_TRUE(box) << "no refusal";
        EXPECT_EQ(Utf8(box->text), "BMPないしはJPGファイルをドロップしてください");
        EXPECT_EQ(Utf8(box->caption), "Pimmo for Windows");
        EXPECT_EQ(box->icon, e2e::MessageIcon::Exclamation);
        EXPECT_EQ(box->buttons, std::vector<std::wstring>{L"OK"});
        e2e::PressButton(box->window, L"OK");
        EXPECT_TRUE(e2e::WaitWindowGone(box->window));
    }
    HWND m_window = nullptr;
};

TEST_F(PhotoDrop, ABmpOrJpgFileBecomesThePicture) {
    std::wstring other = Picture(L"other.JPG", QuadrantJpeg(200, 100));
    SetWindowPos(m_window, nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {other}));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Size(InnerRect(m_window)).cx == 200; }, 10000));
    EXPECT_EQ(Size(InnerRect(m_window)).cy, 100);
    // Saved at once, with the window's place, and the cache made stale.
    EXPECT_EQ(Value("PictureFile"), Utf8(other));
    EXPECT_EQ(Value("IsStretchBmpCashed"), "0");
    EXPECT_EQ(Value("LastWindowLeft"), std::to_string(321 * TwipsPerPixel()));
    RECT outer = OuterRect(m_window);
    EXPECT_EQ(outer.left, 321);
    EXPECT_EQ(outer.top, 123);
    EXPECT_TRUE(IsWindowVisible(m_window));
    EXPECT_TRUE(NoMessageBoxFor(300));
}

TEST_F(PhotoDrop, OnlyTheFirstOfSeveralFilesCounts) {
    std::wstring first = Picture(L"first.bmp", QuadrantBmp(90, 60));
    std::wstring second = Picture(L"second.jpg", QuadrantJpeg(50, 50));
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {first, second}));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Size(InnerRect(m_window)).cx == 90; }, 10000));
    EXPECT_EQ(Value("PictureFile"), Utf8(first));
}

TEST_F(PhotoDrop, TheSamePictureKeepsTheCacheValid) {
    SetWindowPos(m_window, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {m_folder.File(L"kid.bmp")}));
    // Dropping the picture already shown still saves the setting with the window's place.
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return Value("LastWindowLeft") == std::to_string(400 * TwipsPerPixel()); }, 10000));
    EXPECT_EQ(Value("IsStretchBmpCashed"), "1");
    EXPECT_EQ(OuterRect(m_window).left, 400);
}

TEST_F(PhotoDrop, OtherFilesAreRefusedAndChangeNothingAJpegIsTakenByEitherName) {
    const std::string before = e2e::ReadFileBytes(m_folder.ProfilePath());
    // A HEIC without its codec (Wine has none) is refused as any other kind is.
    for (const wchar_t* name : {L"photo.heic", L"photo.gif", L"photo", L"photo.jpg.txt"}) {
        SCOPED_TRACE(Utf8(name));
        std::wstring path = Picture(name, QuadrantJpeg(20, 20));
        ASSERT_TRUE(DropFiles(PhotoControl(m_window), {path, m_folder.File(L"kid.bmp")}));
        ExpectRefusal();
    }
    EXPECT_EQ(e2e::ReadFileBytes(m_folder.ProfilePath()), before);
    EXPECT_EQ(Size(InnerRect(m_window)).cx, 160);
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {Picture(L"photo.jpeg", QuadrantJpeg(20, 20))}));
    EXPECT_TRUE(e2e::WaitUntil([&] { return Size(InnerRect(m_window)).cx == 20; }, 10000));
}

TEST_F(PhotoDrop, ABrokenDroppedPictureIsSavedAndShownEmpty) {
    std::wstring broken = Picture(L"broken.jpg", "not a picture");
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {broken}));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Value("PictureFile") == Utf8(broken); }, 10000));
    ASSERT_TRUE(e2e::WaitUntil([&] { return Size(OuterRect(m_window)).cx == 1500 / TwipsPerPixel(); }, 10000));
    EXPECT_TRUE(m_process->IsRunning());
}

TEST_F(PhotoDrop, AnEmptyDropDoesNothing) {
    const std::string before = e2e::ReadFileBytes(m_folder.ProfilePath());
    ASSERT_TRUE(DropFiles(PhotoControl(m_window), {}));
    EXPECT_TRUE(NoMessageBoxFor(500));
    EXPECT_EQ(e2e::ReadFileBytes(m_folder.ProfilePath()), before);
}

}  // namespace
