#include "checker/win/Runtimes.h"

#include <string>

#include "base/core/Unicode.h"
#include "base/win/LanguageResource.h"
#include "checker/win/PruvoResource.h"

namespace Pruvo {
namespace {

std::string ResourceString(HINSTANCE instance, UINT id) {
    return Narrow(LoadLanguageString(instance, id));
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
