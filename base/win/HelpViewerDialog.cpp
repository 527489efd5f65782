#include "base/win/HelpViewerDialog.h"

#include <algorithm>

#include "base/core/BaseTexts.h"
#include "base/core/HelpReflow.h"
#include "base/core/HelpText.h"
#include "base/core/Unicode.h"
#include "base/win/BaseResource.h"
#include "base/win/MessageBox.h"

namespace {

constexpr wchar_t kOriginalProcedure[] = L"PimmoHelpKeys";
// Commands that only the key filter sends, in base/'s id range but no control's id.
constexpr int kFindCommand = 1197;
constexpr int kNextTopicCommand = 1198;
constexpr int kPreviousTopicCommand = 1199;

// A modal dialog hands keys other than Tab, arrows, Enter and Esc to the focused control, so the
// viewer's own keys are taken there: Ctrl+F finds, F3 finds again, Ctrl+PgDn/PgUp turn topics.
int ViewerKeyCommand(WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_F3)
        return IDC_HELPFINDNEXT;
    if (control && key == 'F')
        return kFindCommand;
    if (control && key == VK_NEXT)
        return kNextTopicCommand;
    if (control && key == VK_PRIOR)
        return kPreviousTopicCommand;
    return 0;
}

LRESULT CALLBACK ViewerKeyFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProcedure));
    if (message == WM_KEYDOWN) {
        if (const int command = ViewerKeyCommand(wParam)) {
            SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(command, 0), 0);
            return 0;
        }
    }
    if (message == WM_CHAR && wParam == 0x06)
        return 0;  // the control character of Ctrl+F, which an edit field would otherwise beep at
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(window, kOriginalProcedure);
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

void FilterKeys(HWND control) {
    const LONG_PTR original = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewerKeyFilter));
    SetPropW(control, kOriginalProcedure, reinterpret_cast<HANDLE>(original));
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Dialog units of this dialog's font to pixels, across and down.
int Across(HWND dialog, int units) {
    RECT rect{0, 0, units, 0};
    MapDialogRect(dialog, &rect);
    return rect.right;
}

int Down(HWND dialog, int units) {
    RECT rect{0, 0, 0, units};
    MapDialogRect(dialog, &rect);
    return rect.bottom;
}

}  // namespace

HelpViewerDialog::HelpViewerDialog(std::string caption, const std::vector<HelpTopic>& topics, size_t first)
    : m_caption(std::move(caption)), m_topics(topics), m_page(first) {
    for (const HelpTopic& topic : m_topics)
        m_pages.push_back(PrepareHelpText(ReflowHelpText(topic.text)));
    if (m_pages.empty())
        m_pages.emplace_back();
    m_page = std::min(m_page, m_pages.size() - 1);
}

BOOL HelpViewerDialog::OnInitDialog() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    m_initialSize = {window.right - window.left, window.bottom - window.top};
    HWND list = Item(IDC_HELPTOPICS);
    for (const HelpTopic& topic : m_topics) {
        const std::string& title = topic.title.empty() ? m_caption : topic.title;
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(title).c_str()));
    }
    ShowItem(IDC_HELPTOPICS, HasTopicList());
    for (int id : {IDC_HELPTOPICS, IDC_HELPTEXT, IDC_HELPFIND, IDC_HELPFINDNEXT, IDOK})
        FilterKeys(Item(id));
    Layout();
    ShowPage(m_page);
    SetFocus(Item(HasTopicList() ? IDC_HELPTOPICS : IDOK));
    return FALSE;
}

bool HelpViewerDialog::OnCommand(int id, int code) {
    switch (id) {
        case IDOK:
            if (GetFocus() == Item(IDC_HELPFIND)) {
                FindNext();  // Enter in the find field finds; it does not close the viewer
                return true;
            }
            [[fallthrough]];
        case IDCANCEL:
            End(id);
            return true;
        case IDC_HELPTOPICS:
            if (code == LBN_SELCHANGE)
                ShowPage(static_cast<size_t>(SendMessageW(Item(IDC_HELPTOPICS), LB_GETCURSEL, 0, 0)));
            return true;
        case kNextTopicCommand:
        case kPreviousTopicCommand:
            ShowPage((m_page + (id == kNextTopicCommand ? 1 : m_pages.size() - 1)) % m_pages.size());
            return true;
        case kFindCommand:
            FocusFind();
            return true;
        case IDC_HELPFINDNEXT:
            FindNext();
            return true;
        default:
            return false;
    }
}

INT_PTR HelpViewerDialog::OnOtherMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_SIZE) {
        Layout();
        return TRUE;
    }
    if (message == WM_GETMINMAXINFO && m_initialSize.cx > 0) {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {m_initialSize.cx * 2 / 3, m_initialSize.cy / 2};  // the bottom row still fits
        return TRUE;
    }
    return FALSE;
}

void HelpViewerDialog::ShowPage(size_t page) {
    if (page >= m_pages.size())
        return;
    m_page = page;
    SendMessageW(Item(IDC_HELPTOPICS), LB_SETCURSEL, page, 0);
    SetItemText(IDC_HELPTEXT, m_pages[page]);
    const bool titled = page < m_topics.size() && !m_topics[page].title.empty();
    SetWindowTextW(Handle(), Widen(titled ? m_topics[page].title : m_caption).c_str());
}

void HelpViewerDialog::FocusFind() {
    SetFocus(Item(IDC_HELPFIND));
    SendMessageW(Item(IDC_HELPFIND), EM_SETSEL, 0, -1);
}

// From just after the found word, so that the next search goes on; from the caret otherwise.
void HelpViewerDialog::FindNext() {
    const std::string word = ItemText(IDC_HELPFIND);
    if (word.empty()) {
        FocusFind();
        return;
    }
    HWND text = Item(IDC_HELPTEXT);
    DWORD start = 0, end = 0;
    SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring shown = ControlText(text);
    const size_t caret = std::min<size_t>(start, shown.size());
    const size_t from = Narrow(shown.substr(0, caret)).size() + (end > start ? 1 : 0);
    const auto place = FindHelpWord(m_pages, word, {m_page, from});
    if (!place) {
        ShowMessage(
            Handle(),
            {FormatText(Text(BaseText::HelpWordNotFound), {word}), {}, MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    if (place->page != m_page)
        ShowPage(place->page);
    const auto wideStart = static_cast<WPARAM>(Widen(m_pages[place->page].substr(0, place->offset)).size());
    SendMessageW(text, EM_SETSEL, wideStart, static_cast<LPARAM>(wideStart + Widen(word).size()));
    SendMessageW(text, EM_SCROLLCARET, 0, 0);
}

// The text takes every pixel the list and the bottom row leave; the bottom row keeps its sizes.
void HelpViewerDialog::Layout() {
    HWND dialog = Handle();
    RECT client{};
    GetClientRect(dialog, &client);
    const int margin = Across(dialog, 5), buttonHeight = Down(dialog, 14), labelHeight = Down(dialog, 9);
    const int rowTop = client.bottom - margin - buttonHeight;
    const int listWidth = HasTopicList() ? std::min<int>(Across(dialog, 110), client.right / 3) : 0;
    const int textLeft = margin + (listWidth > 0 ? listWidth + margin : 0);
    const int pageHeight = std::max<int>(rowTop - 2 * margin, 0);
    MoveWindow(Item(IDC_HELPTOPICS), margin, margin, listWidth, pageHeight, TRUE);
    MoveWindow(Item(IDC_HELPTEXT), textLeft, margin, std::max<int>(client.right - margin - textLeft, 0), pageHeight,
               TRUE);
    int left = margin;
    const struct {
        int id, width, height;
    } kRow[] = {
        {IDC_HELPFINDLABEL, 34, labelHeight}, {IDC_HELPFIND, 120, buttonHeight}, {IDC_HELPFINDNEXT, 55, buttonHeight}};
    for (const auto& control : kRow) {
        const int width = Across(dialog, control.width);
        MoveWindow(Item(control.id), left, rowTop + (buttonHeight - control.height) / 2, width, control.height, TRUE);
        left += width + margin;
    }
    const int closeWidth = Across(dialog, 50);
    MoveWindow(Item(IDOK), client.right - margin - closeWidth, rowTop, closeWidth, buttonHeight, TRUE);
}
