#pragma once
// What the check asks the computer about DLLs. The Win32 probe looks (win/DllProbe.h); a test
// answers from a table.
#include <optional>
#include <string>

namespace Pruvo {

class SystemProbe {
public:
    // Whether the DLL of the name can be found as the loader would find it, without running
    // any of its code. Never asked about an empty name.
    virtual bool IsDllPresent(const std::string& name) const = 0;
    // The full path the path search finds for the name (no folder of its own, no default
    // extension), or nothing. Never asked about an empty name.
    virtual std::optional<std::string> FindFile(const std::string& name) const = 0;
    // The "FileVersion" text of the file's first translation; empty when there is none.
    virtual std::string FileVersion(const std::string& path) const = 0;

protected:
    ~SystemProbe() = default;
};

}  // namespace Pruvo
