#include "Runtimes.h"

#include "CheckerTexts.h"
#include "Unicode.h"
#include "resource.h"

namespace Pruvo {
namespace {

std::string ResourceString(HINSTANCE instance, UINT id) {
    // With a zero buffer size the system hands out the read-only text in the resource itself.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? Narrow(std::wstring_view(text, static_cast<size_t>(length))) : std::string();
}

}  // namespace

RuntimeEntry BuiltinRuntime(HINSTANCE instance, int index) {
    if (index < 1 || index > kBuiltinRuntimeCount) {
        return {};
    }
    const UINT i = static_cast<UINT>(index);
    return {ResourceString(instance, IDS_RUNTIME_NAME + i), ResourceString(instance, IDS_RUNTIME_DLLS + i),
            ResourceString(instance, IDS_RUNTIME_URL + i)};
}

RuntimeEntry ProfileRuntime(const Profile& profile, int index) {
    return {profile.ReadListValue(kRuntimesSection, index), profile.ReadListValue(kDllsSection, index),
            profile.ReadListValue(kUrlsSection, index)};
}

}  // namespace Pruvo
