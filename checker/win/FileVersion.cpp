#include "checker/win/FileVersion.h"

#include <windows.h>
#include <winver.h>

#include <algorithm>
#include <vector>

#include "base/core/Unicode.h"
#include "base/win/SystemLibrary.h"
#include "checker/core/CheckerTexts.h"

namespace Pruvo {
namespace {

constexpr size_t kLongestVersion = 255;

struct VersionFunctions {
    decltype(GetFileVersionInfoSizeW)* size;
    decltype(GetFileVersionInfoW)* read;
    decltype(VerQueryValueW)* query;

    bool Available() const { return size != nullptr && read != nullptr && query != nullptr; }
};

const VersionFunctions& Version() {
    static const VersionFunctions functions{
        SystemFunction<decltype(GetFileVersionInfoSizeW)>(L"version.dll", "GetFileVersionInfoSizeW"),
        SystemFunction<decltype(GetFileVersionInfoW)>(L"version.dll", "GetFileVersionInfoW"),
        SystemFunction<decltype(VerQueryValueW)>(L"version.dll", "VerQueryValueW"),
    };
    return functions;
}

}  // namespace

std::string ReadFileVersion(const std::string& path) {
    const VersionFunctions& version = Version();
    if (!version.Available())
        return {};
    const std::wstring widePath = Widen(path);
    DWORD handle = 0;
    const DWORD size = version.size(widePath.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> record(size, 0);
    if (!version.read(widePath.c_str(), 0, size, record.data()))
        return {};
    void* translation = nullptr;
    UINT translationSize = 0;
    if (!version.query(record.data(), L"\\VarFileInfo\\Translation", &translation, &translationSize) ||
        translation == nullptr || translationSize < sizeof(DWORD))
        return {};
    const WORD* pair = static_cast<const WORD*>(translation);
    const std::wstring query = Widen(FileVersionQuery(pair[0], pair[1]));
    void* text = nullptr;
    UINT length = 0;
    if (!version.query(record.data(), query.c_str(), &text, &length) || text == nullptr)
        return {};
    // The length counts characters and may include the terminating zero.
    std::wstring value(static_cast<const wchar_t*>(text), length);
    value.resize(std::min(wcsnlen(value.c_str(), value.size()), kLongestVersion));
    return Narrow(value);
}

}  // namespace Pruvo
