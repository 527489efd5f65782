#include "checker/win/Runtimes.h"

#include <string>

#include "base/core/Unicode.h"
#include "checker/win/PruvoResource.h"

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
    if (index < 1 || index > kBuiltinRuntimeCount)
        return {};
    const UINT i = static_cast<UINT>(index);
    return {ResourceString(instance, IDS_RUNTIME_NAME + i), ResourceString(instance, IDS_RUNTIME_DLLS + i),
            ResourceString(instance, IDS_RUNTIME_URL + i)};
}

std::vector<RuntimeEntry> BuiltinRuntimes(HINSTANCE instance) {
    std::vector<RuntimeEntry> table;
    for (int i = 1; i <= kBuiltinRuntimeCount; ++i)
        table.push_back(BuiltinRuntime(instance, i));
    return table;
}

}  // namespace Pruvo
