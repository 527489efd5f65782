#include "Text.h"

#include <windows.h>

namespace pruvo {
namespace {

std::wstring ToUtf16(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    return ToUtf16(CP_UTF8, utf8);
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

std::string AnsiToUtf8(std::string_view ansi) {
    return Narrow(ToUtf16(CP_ACP, ansi));
}

}  // namespace pruvo
