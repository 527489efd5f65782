#pragma once
// Finds DLLs on this computer without running any of their code.
#include <optional>
#include <string>

#include "checker/core/SystemProbe.h"

namespace Pruvo {

// Whether the DLL can be found: as a DLL image along the loader's search order (mapped as
// data, never started), or as any file along the path search.
bool IsDllPresent(const std::string& name);

// The full path the path search finds for the name (no folder of its own, no default
// extension), or nothing.
std::optional<std::string> SearchDllPath(const std::string& name);

// The check's probe on this computer.
class DllProbe final : public SystemProbe {
public:
    bool IsDllPresent(const std::string& name) const override;
    std::optional<std::string> FindFile(const std::string& name) const override;
    std::string FileVersion(const std::string& path) const override;
};

}  // namespace Pruvo
