#pragma once
// Whether a runtime, a group of DLLs, is installed on this computer.
#include <functional>
#include <string>
#include <string_view>

namespace Pruvo {

inline constexpr std::string_view kInstalledText = "インストール済み";
inline constexpr std::string_view kNotInstalledText = "未インストール";

// Answers whether the DLL of the given name can be found on this computer.
using DllProbe = std::function<bool(const std::string& name)>;

// "インストール済み" when the probe finds every name of the DLL list (an empty list included),
// otherwise "未インストール". An empty name is never found.
std::string_view RuntimeStatus(std::string_view dllList, const DllProbe& isPresent);

}  // namespace Pruvo
