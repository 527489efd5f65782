#include "checker/win/CheckerProfile.h"

#include <windows.h>

#include "base/core/Unicode.h"

namespace Pruvo {
namespace {

// Longer values are not expected in a hand-written profile; the cap only bounds the retries.
constexpr DWORD kLargestValue = 1u << 20;

}  // namespace

std::string Profile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    const std::wstring wideSection = Widen(section);
    const std::wstring wideKey = Widen(key);
    const std::wstring wideDefault = Widen(defaultValue);
    const std::wstring widePath = Widen(m_path);
    std::wstring buffer(256, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                      buffer.data(), size, widePath.c_str());
        // A value that fills the buffer up to its last character may have been cut.
        if (length + 1 < size || size >= kLargestValue) {
            buffer.resize(length);
            return Narrow(buffer);
        }
        buffer.assign(static_cast<size_t>(size) * 2, L'\0');
    }
}

int Profile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    const UINT value =
        GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), defaultValue, Widen(m_path).c_str());
    return static_cast<int>(value);
}

}  // namespace Pruvo
