#include "tests/e2e/support/PlantedDlls.h"

namespace e2e {

std::vector<std::wstring> Markers(const TempFolder& folder) {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(folder.File(L"*.marker").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        found.emplace_back(entry.cFileName);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

WineFilesFirst::WineFilesFirst(const wchar_t* program, const std::vector<const wchar_t*>& dlls)
    : m_key(std::wstring(L"Software\\Wine\\AppDefaults\\") + program) {
    HKEY overrides = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, (m_key + L"\\DllOverrides").c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &overrides, nullptr) != ERROR_SUCCESS)
        return;
    const wchar_t kOrder[] = L"native,builtin";
    for (const wchar_t* dll : dlls) {
        const std::wstring name(dll, wcslen(dll) - 4);  // without ".dll"
        RegSetValueExW(overrides, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kOrder), sizeof kOrder);
    }
    RegCloseKey(overrides);
}

WineFilesFirst::~WineFilesFirst() {
    RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str());
}

}  // namespace e2e
