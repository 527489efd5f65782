#pragma once
// The checker's profile, read through the platform's profile functions; it is never written.
#include <string>
#include <string_view>

namespace Pruvo {

class Profile {
public:
    explicit Profile(std::wstring path) : m_path(std::move(path)) {}

    const std::wstring& Path() const { return m_path; }

    // The whole value, however long (a DLL list or address cut short would name the wrong file).
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // The value as the platform's integer reading gives it, as a signed number.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Runtime i's value of a list section ("Dlls", "Runtimes", "Urls"), empty when missing.
    std::string ReadListValue(std::string_view section, int index) const;

private:
    std::wstring m_path;
};

}  // namespace Pruvo
