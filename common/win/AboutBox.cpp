#include "common/win/AboutBox.h"

#include <cmath>
#include <string>

#include "base/core/Language.h"
#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/AccessibleName.h"
#include "base/win/Dialog.h"
#include "common/core/VersionText.h"
#include "common/win/CommonResource.h"
#include "common/win/ProgramVersion.h"

namespace {

constexpr UINT_PTR kSplashTimer = 1;

// The box's fonts: the product name in bold 14.25-point, the other lines in 10.5-point.
constexpr double kProductPoints = 14.25;
constexpr double kTextPoints = 10.5;
constexpr wchar_t kProductFace[] = L"ＭＳ Ｐゴシック";
constexpr wchar_t kEnglishProductFace[] = L"Segoe UI";
constexpr wchar_t kTextFace[] = L"Arial";

UniqueFont MakeFont(HWND window, double points, int weight, const wchar_t* face) {
    const int height = -static_cast<int>(std::lround(points * GetDpiForWindow(window) / 72.0));
    return UniqueFont(CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

class AboutDialog : public Dialog {
public:
    // milliseconds 0: the box stays until OK; otherwise it is the splash and closes itself.
    explicit AboutDialog(UINT milliseconds) : m_milliseconds(milliseconds) {}

private:
    BOOL OnInitDialog() override {
        ShowProgram();
        SetFonts();
        // The icon has no text of its own: a screen reader names it by the product beside it.
        NameControl(Item(IDC_ABOUT_ICON), [product = Item(IDC_ABOUT_PRODUCT)] { return WindowTextOf(product); });
        if (m_milliseconds != 0)
            SetTimer(Handle(), kSplashTimer, m_milliseconds, nullptr);
        return TRUE;
    }

    void ShowProgram() {
        m_icon.Reset(LoadFirstIcon(Instance()));
        SendDlgItemMessageW(Handle(), IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_icon.Get()), 0);
        if (const auto version = ReadProgramVersion(Instance())) {
            SetItemText(IDC_ABOUT_PRODUCT, version->productName);
            SetItemText(IDC_ABOUT_VERSION, VersionText(version->major, version->minor, version->revision));
        }
    }

    void SetFonts() {
        m_productFont = MakeFont(Handle(), kProductPoints, FW_BOLD,
                                 UserLanguage() == Language::English ? kEnglishProductFace : kProductFace);
        m_textFont = MakeFont(Handle(), kTextPoints, FW_NORMAL, kTextFace);
        SendDlgItemMessageW(Handle(), IDC_ABOUT_PRODUCT, WM_SETFONT, reinterpret_cast<WPARAM>(m_productFont.Get()), 0);
        for (int id : {IDC_ABOUT_VERSION, IDC_ABOUT_RIGHTS})
            SendDlgItemMessageW(Handle(), id, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont.Get()), 0);
    }

    bool OnCommand(int id, int) override {
        // The splash has no button; Esc or Enter must not cut it short either.
        if ((id == IDOK || id == IDCANCEL) && m_milliseconds == 0) {
            End(id);
            return true;
        }
        return id == IDOK || id == IDCANCEL;
    }

    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (message != WM_TIMER || wParam != kSplashTimer)
            return FALSE;
        KillTimer(Handle(), kSplashTimer);
        End(IDOK);
        return TRUE;
    }

    UINT m_milliseconds;
    UniqueIcon m_icon;
    UniqueFont m_productFont;
    UniqueFont m_textFont;
};

}  // namespace

void ShowAboutBox(HINSTANCE instance, HWND owner) {
    AboutDialog about(0);
    about.RunModal(instance, IDD_ABOUT, owner);
}

void ShowSplash(HINSTANCE instance, UINT milliseconds) {
    // A timer in a modal dialog: messages keep flowing while the splash waits.
    AboutDialog splash(milliseconds == 0 ? 1 : milliseconds);
    splash.RunModal(instance, IDD_SPLASH, nullptr);
}
