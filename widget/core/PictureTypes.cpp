#include "widget/core/PictureTypes.h"

#include <array>

#include "base/core/AsciiText.h"

namespace {

constexpr std::array<std::string_view, 4> kPictureExtensions = {".bmp", ".jpg", ".jpeg", ".png"};
constexpr std::array<std::string_view, 2> kJpegExtensions = {".jpg", ".jpeg"};

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size())
        return false;
    const std::string_view end = name.substr(name.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i)
        if (LowerAscii(end[i]) != suffix[i])
            return false;
    return true;
}

template <size_t N>
bool EndsWithAny(std::string_view name, const std::array<std::string_view, N>& extensions) {
    for (std::string_view extension : extensions)
        if (EndsWithNoCase(name, extension))
            return true;
    return false;
}

}  // namespace

bool IsPictureName(std::string_view name) {
    return EndsWithAny(name, kPictureExtensions);
}

bool IsJpegName(std::string_view name) {
    return EndsWithAny(name, kJpegExtensions);
}

std::string PicturePattern() {
    std::string pattern;
    for (std::string_view extension : kPictureExtensions)
        pattern += (pattern.empty() ? "*" : ";*") + std::string(extension);
    return pattern;
}
