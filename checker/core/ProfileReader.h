#pragma once
// The checker's profile as the check reads it; the file is never written. The Win32 profile
// reads through the platform's profile functions (win/CheckerProfile.h); a test from a table.
#include <string>
#include <string_view>

namespace Pruvo {

class ProfileReader {
public:
    // The whole value, however long (a DLL list or address cut short would name the wrong file).
    virtual std::string ReadString(std::string_view section,
                                   std::string_view key,
                                   std::string_view defaultValue) const = 0;
    // The value as the platform's integer reading gives it, as a signed number.
    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) const = 0;

    // Runtime i's value of a list section ("Dlls", "Runtimes", "Urls"), empty when missing.
    std::string ReadListValue(std::string_view section, int index) const;

protected:
    ~ProfileReader() = default;
};

}  // namespace Pruvo
