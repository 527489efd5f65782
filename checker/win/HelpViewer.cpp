#include "HelpViewer.h"

#include <cstring>

#include "CheckerFiles.h"
#include "CheckerHelpText.h"
#include "CheckerProgram.h"
#include "CheckerTexts.h"
#include "Dialog.h"
#include "Messages.h"
#include "Text.h"
#include "resource.h"

namespace pruvo {
namespace {

// A help text is a few pages; anything far larger is not a help text of this program.
constexpr DWORD kLargestHelpFile = 4u << 20;

struct FileBytes {
    std::string bytes;
    bool found = false;
    bool readable = false;
};

FileBytes ReadFileBytes(const std::wstring& path) {
    FileBytes file;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        file.found = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return file;
    }
    file.found = true;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle, &size) && size.QuadPart <= kLargestHelpFile) {
        file.bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        file.readable = file.bytes.empty() ||
                        (ReadFile(handle, file.bytes.data(), static_cast<DWORD>(file.bytes.size()), &read, nullptr) &&
                         read == file.bytes.size());
    }
    CloseHandle(handle);
    return file;
}

std::string DecodeHelpBytes(const std::string& bytes, HelpFormat format) {
    switch (format) {
        case HelpFormat::kUtf8:
            return bytes;
        case HelpFormat::kAnsi:
            return AnsiToUtf8(bytes);
        case HelpFormat::kUtf16Le: {
            std::wstring wide((bytes.size() - 2) / 2, L'\0');
            memcpy(wide.data(), bytes.data() + 2, wide.size() * sizeof(wchar_t));
            return Narrow(wide);
        }
        case HelpFormat::kUnreadable:
            break;
    }
    return {};
}

class HelpViewerDialog : public Dialog {
public:
    explicit HelpViewerDialog(std::wstring text) : m_text(std::move(text)) {}

private:
    BOOL OnInitDialog() override {
        SetWindowTextW(Handle(), Widen(ProgramTitle() + std::string(kHelpCaptionSuffix)).c_str());
        SetDlgItemTextW(Handle(), IDC_HELPTEXT, m_text.c_str());
        SetFocus(Item(IDOK));
        return FALSE;
    }

    bool OnCommand(int id) override {
        if (id == IDOK || id == IDCANCEL) {
            End(id);
            return true;
        }
        return false;
    }

    std::wstring m_text;
};

}  // namespace

HelpFileText ReadHelpFile(const std::wstring& path) {
    const FileBytes file = ReadFileBytes(path);
    if (!file.found) {
        return {{}, HelpFileError::kMissing};
    }
    const HelpFormat format = file.readable ? DetectHelpFormat(file.bytes) : HelpFormat::kUnreadable;
    if (format == HelpFormat::kUnreadable) {
        return {{}, HelpFileError::kUnreadable};
    }
    return {Widen(PrepareHelpText(DecodeHelpBytes(file.bytes, format))), std::nullopt};
}

void ShowHelpFile(HINSTANCE instance, HWND owner) {
    const std::wstring path = Widen(HelpFilePath(Narrow(ProgramPath())));
    HelpFileText help = ReadHelpFile(path);
    if (help.error) {
        const std::string_view message =
            *help.error == HelpFileError::kMissing ? kHelpMissingMessage : kHelpUnreadableMessage;
        ShowMessage(owner, HelpFileMessage(message, Narrow(path)), MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    HelpViewerDialog viewer(std::move(help.text));
    viewer.RunModal(instance, IDD_HELPVIEW, owner);
}

}  // namespace pruvo
