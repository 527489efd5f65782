#include "common/win/ProgramVersion.h"

#include <cwchar>
#include <vector>

#include "base/core/Unicode.h"
#include "base/win/LanguageResource.h"

namespace {

std::wstring ModuleFilePath(HINSTANCE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// "ProductName" under the language of the user's display when the record lists it, otherwise
// under the first language and code page it lists.
std::string ProductName(const std::vector<char>& record) {
    struct Translation {
        WORD language;
        WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof *translation)
        return {};
    const WORD wanted = ResourceLanguage(UserLanguage());
    const Translation* chosen = translation;
    for (UINT i = 1; i < length / sizeof *translation && chosen == translation; ++i)
        if (translation[i].language == wanted)
            chosen = translation + i;
    wchar_t key[64];
    swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", chosen->language, chosen->codePage);
    wchar_t* name = nullptr;
    if (!VerQueryValueW(record.data(), key, reinterpret_cast<void**>(&name), &length) || length == 0)
        return {};
    return Narrow(std::wstring_view(name, wcsnlen(name, length)));
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    auto* first = reinterpret_cast<std::wstring*>(found);
    // An integer id travels as "#<id>", which LoadImageW accepts as well.
    *first = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
    return FALSE;  // the first group is the program's icon
}

}  // namespace

std::optional<ProgramVersion> ReadProgramVersion(HINSTANCE module) {
    const std::wstring path = ModuleFilePath(module);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> record(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data()))
        return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed)
        return std::nullopt;
    ProgramVersion version;
    version.productName = ProductName(record);
    version.major = HIWORD(fixed->dwFileVersionMS);
    version.minor = LOWORD(fixed->dwFileVersionMS);
    version.revision = HIWORD(fixed->dwFileVersionLS);
    return version;
}

HICON LoadFirstIcon(HINSTANCE module) {
    std::wstring name;
    EnumResourceNamesW(module, RT_GROUP_ICON, KeepFirstName, reinterpret_cast<LONG_PTR>(&name));
    if (name.empty())
        return nullptr;
    return static_cast<HICON>(LoadImageW(module, name.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                         GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
}
