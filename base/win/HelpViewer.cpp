#include "base/win/HelpViewer.h"

#include <cstring>

#include "base/core/HelpText.h"
#include "base/core/Language.h"
#include "base/core/Unicode.h"
#include "base/core/UniqueHandles_win.h"
#include "base/win/BaseResource.h"
#include "base/win/HelpViewerDialog.h"

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
    const UniqueFile handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        const DWORD error = GetLastError();
        file.found = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return file;
    }
    file.found = true;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(handle.Get(), &size) && size.QuadPart <= kLargestHelpFile) {
        file.bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        file.readable = file.bytes.empty() || (ReadFile(handle.Get(), file.bytes.data(),
                                                        static_cast<DWORD>(file.bytes.size()), &read, nullptr) &&
                                               read == file.bytes.size());
    }
    return file;
}

std::string DecodeHelpBytes(const std::string& bytes, HelpFormat format) {
    switch (format) {
        case HelpFormat::Utf8:
            // A file with a byte-order mark may still hold bytes that are no UTF-8: they read as
            // U+FFFD, as the edit control shows them.
            return IsValidUtf8(bytes) ? bytes : Narrow(Widen(bytes));
        case HelpFormat::Ansi:
            return AnsiToUtf8(bytes);
        case HelpFormat::Utf16Le: {
            std::wstring wide((bytes.size() - 2) / 2, L'\0');
            memcpy(wide.data(), bytes.data() + 2, wide.size() * sizeof(wchar_t));
            return Narrow(wide);
        }
        case HelpFormat::Unreadable:
            break;
    }
    return {};
}

}  // namespace

HelpFileText ReadHelpFile(const std::wstring& path) {
    const FileBytes file = ReadFileBytes(path);
    if (!file.found) {
        return {{}, HelpFileError::Missing};
    }
    const HelpFormat format = file.readable ? DetectHelpFormat(file.bytes) : HelpFormat::Unreadable;
    if (format == HelpFormat::Unreadable) {
        return {{}, HelpFileError::Unreadable};
    }
    return {PrepareHelpText(DecodeHelpBytes(file.bytes, format)), std::nullopt};
}

HelpFileText ReadLanguageHelpFile(std::string& path) {
    const std::string own = LanguageFilePath(path, UserLanguage());
    if (own != path) {
        HelpFileText file = ReadHelpFile(Widen(own));
        if (file.error != HelpFileError::Missing) {
            path = own;
            return file;
        }
    }
    return ReadHelpFile(Widen(path));
}

void ShowHelpTopics(HINSTANCE instance,
                    HWND owner,
                    const std::string& caption,
                    const std::vector<HelpTopic>& topics,
                    size_t first) {
    HelpViewerDialog viewer(caption, topics, first);
    viewer.RunModal(instance, IDD_HELPVIEW, owner);
}
