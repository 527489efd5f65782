#include "RuntimeStatus.h"

#include "DllList.h"

namespace Pruvo {

std::string_view RuntimeStatus(std::string_view dllList, const DllProbe& isPresent) {
    for (const std::string& name : SplitDllList(dllList)) {
        // An empty name (two commas in a row) names no file at all; asking the system
        // about an empty name would only give an arbitrary answer.
        if (name.empty() || !isPresent(name)) {
            return kNotInstalledText;
        }
    }
    return kInstalledText;
}

}  // namespace Pruvo
