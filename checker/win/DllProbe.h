#pragma once
// Finds DLLs on this computer without running any of their code.
#include <optional>
#include <string>
#include <string_view>

namespace Pruvo {

// Whether the DLL can be found: as a DLL image along the loader's search order (mapped as
// data, never started), or as any file along the path search.
bool IsDllPresent(const std::string& name);

// The full path the path search finds for the name (no folder of its own, no default
// extension), or nothing.
std::optional<std::wstring> SearchDllPath(const std::wstring& name);

// "インストール済み" or "未インストール" for a DLL list on this computer.
std::string_view RuntimeStatus(std::string_view dllList);

}  // namespace Pruvo
