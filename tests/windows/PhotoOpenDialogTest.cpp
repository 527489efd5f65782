#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "base/core/Unicode.h"
#include "tests/e2e/support/PhotoPictures.h"
#include "tests/e2e/support/PhotoTempFolder.h"
#include "widget/win/ChoosePicture.h"
#include "widget/win/modCmOpen.h"

namespace {

using namespace std::string_literals;
using photo_test::PhotoTempFolder;

constexpr int kReadOnlyBox = 0x410;   // chx1
constexpr int kFileTypeList = 0x470;  // cmb1
constexpr DWORD kDialogTimeoutMs = 15000;

std::wstring Text(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// The visible open-file dialog of this process, if there is one now.
HWND FindDialog() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM data) {
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            wchar_t name[32];
            GetClassNameW(window, name, 32);
            if (pid == GetCurrentProcessId() && IsWindowVisible(window) && wcscmp(name, L"#32770") == 0) {
                *reinterpret_cast<HWND*>(data) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND WaitForDialog() {
    for (DWORD waited = 0; waited < kDialogTimeoutMs; waited += 50) {
        if (HWND dialog = FindDialog())
            return dialog;
        Sleep(50);
    }
    return nullptr;
}

// The edit control that takes the file name (in explorer-style dialogs it sits inside the
// combo boxes of control 0x47c).
HWND FileNameEdit(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND control, LPARAM data) {
            wchar_t name[32];
            GetClassNameW(control, name, 32);
            if (wcscmp(name, L"Edit") != 0 || !IsWindowVisible(control))
                return TRUE;
            *reinterpret_cast<HWND*>(data) = control;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs the dialog on this thread while another thread looks at it and answers it.
std::string RunDialog(const std::function<std::string()>& show, const std::function<void(HWND)>& answer) {
    std::atomic<bool> done{false};
    std::thread helper([&] {
        HWND dialog = WaitForDialog();
        if (dialog)
            answer(dialog);
        // Whatever happened, the dialog must not stay open.
        while (!done) {
            if (HWND left = FindDialog())
                PostMessageW(left, WM_COMMAND, IDCANCEL, 0);
            Sleep(100);
        }
    });
    std::string chosen = show();
    done = true;
    helper.join();
    return chosen;
}

const std::string kFilter = "Pimmoの写真\0*.bmp;*.jpg;*.jpeg;*.png"s;

std::string RunDialog(const std::string& filter,
                      const std::string& folder,
                      const std::string& title,
                      const std::function<void(HWND)>& answer) {
    return RunDialog([&] { return modCmOpen::ShowOpenDialog(nullptr, filter, folder, title); }, answer);
}

std::wstring FirstFileType(HWND dialog) {
    wchar_t item[128] = {};
    if (HWND types = GetDlgItem(dialog, kFileTypeList))
        SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    return item;
}

TEST(PhotoOpenDialog, CancelGivesTheEmptyStringAndAnEmptyTitleIsTheSystemOne) {
    std::wstring title;
    bool readOnlyVisible = true;
    std::wstring firstType;
    std::string chosen = RunDialog(kFilter, "", "", [&](HWND dialog) {
        title = Text(dialog);
        HWND box = GetDlgItem(dialog, kReadOnlyBox);
        readOnlyVisible = box && IsWindowVisible(box);
        firstType = FirstFileType(dialog);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(Narrow(title), "ファイルを開く");
    EXPECT_FALSE(readOnlyVisible) << "the read-only check box is hidden";
    EXPECT_EQ(Narrow(firstType).rfind("Pimmoの写真", 0), 0u) << Narrow(firstType);
}

TEST(PhotoOpenDialog, ReturnsTheFullPathOfAFileInTheInitialFolder) {
    PhotoTempFolder folder;
    photo_test::WriteFileBytes(folder.File(L"子供.jpg"), photo_test::QuadrantJpeg(16, 16));
    std::wstring title;
    std::string chosen =
        RunDialog(kFilter, Narrow(folder.Path() + L"\\"), "Pimmoの写真を選択してください", [&](HWND dialog) {
            title = Text(dialog);
            SetWindowTextW(FileNameEdit(dialog), L"子供.jpg");
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(Narrow(title), "Pimmoの写真を選択してください");
    EXPECT_EQ(chosen, Narrow(folder.File(L"子供.jpg")));
}

// The dialog answers a missing file with a message box of its own and stays open.
TEST(PhotoOpenDialog, AFileThatDoesNotExistIsNotAccepted) {
    PhotoTempFolder folder;
    bool refused = false, stayedOpen = false;
    std::string chosen = RunDialog(kFilter, Narrow(folder.Path()), "t", [&](HWND dialog) {
        SetWindowTextW(FileNameEdit(dialog), L"missing.jpg");
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        std::pair<HWND, bool*> context{dialog, &refused};
        for (int i = 0; i < 100 && !refused; ++i) {
            Sleep(50);
            EnumWindows(
                [](HWND window, LPARAM data) {
                    auto* context = reinterpret_cast<std::pair<HWND, bool*>*>(data);
                    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == context->first)
                        *context->second = true;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&context));
        }
        stayedOpen = IsWindow(dialog) != FALSE;
    });
    EXPECT_TRUE(refused) << "no message box about the missing file";
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(chosen, "");
}

// The picture chooser opens in the current picture's folder, so a bare name is found there.
TEST(PhotoOpenDialog, PictureChooserStartsInTheCurrentPicturesFolder) {
    PhotoTempFolder folder;
    photo_test::WriteFileBytes(folder.File(L"next.bmp"), photo_test::QuadrantBmp(8, 8));
    std::wstring title, firstType;
    std::string chosen = RunDialog([&] { return ChoosePictureFile(nullptr, Narrow(folder.File(L"kid.jpg"))); },
                                   [&](HWND dialog) {
                                       title = Text(dialog);
                                       firstType = FirstFileType(dialog);
                                       SetWindowTextW(FileNameEdit(dialog), L"next.bmp");
                                       PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                                   });
    EXPECT_EQ(chosen, Narrow(folder.File(L"next.bmp")));
    EXPECT_EQ(Narrow(title), "Pimmoの写真を選択してください");
    EXPECT_EQ(Narrow(firstType).rfind("Pimmoの写真", 0), 0u);
    EXPECT_EQ(RunDialog([&] { return ChoosePictureFile(nullptr, ""); },
                        [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }),
              "");
}

}  // namespace
