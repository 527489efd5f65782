#include "widget/core/PictureTypes.h"

#include <algorithm>
#include <array>

#include "base/core/AsciiText.h"

namespace {

constexpr std::array<std::string_view, 4> kPictureExtensions = {".bmp", ".jpg", ".jpeg", ".png"};
constexpr std::array<std::string_view, 2> kJpegExtensions = {".jpg", ".jpeg"};
constexpr std::array<std::string_view, 4> kExifHeadExtensions = {".jpg", ".jpeg", ".tif", ".tiff"};
// Moving pictures and icons: a photo frame shows none of them.
constexpr std::array<std::string_view, 6> kLeftOut = {".gif", ".ico", ".icon", ".cur", ".ani", ".dds"};

DecoderExtensionSource g_decoderSource = nullptr;

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size())
        return false;
    const std::string_view end = name.substr(name.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i)
        if (LowerAscii(end[i]) != suffix[i])
            return false;
    return true;
}

template <typename List>
bool EndsWithAny(std::string_view name, const List& extensions) {
    for (std::string_view extension : extensions)
        if (EndsWithNoCase(name, extension))
            return true;
    return false;
}

// ".heic": a dot and letters or digits only, so that no pattern character reaches the filter.
bool IsExtension(std::string_view text) {
    return text.size() >= 2 && text.size() <= 16 && text[0] == '.' &&
           std::all_of(text.begin() + 1, text.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

}  // namespace

void UsePictureDecoders(DecoderExtensionSource source) {
    g_decoderSource = source;
}

std::vector<std::string> PictureExtensionsFrom(const std::vector<std::string>& decoderExtensions) {
    std::vector<std::string> list(kPictureExtensions.begin(), kPictureExtensions.end());
    for (const std::string& texts : decoderExtensions) {
        size_t start = 0;
        while (start <= texts.size()) {
            const size_t end = std::min(texts.find_first_of(",;", start), texts.size());
            std::string extension;
            for (char c : std::string_view(texts).substr(start, end - start))
                if (c != ' ')
                    extension += LowerAscii(c);
            start = end + 1;
            if (IsExtension(extension) && std::find(list.begin(), list.end(), extension) == list.end() &&
                std::find(kLeftOut.begin(), kLeftOut.end(), extension) == kLeftOut.end())
                list.push_back(std::move(extension));
        }
    }
    return list;
}

const std::vector<std::string>& PictureExtensions() {
    static const std::vector<std::string> list =
        PictureExtensionsFrom(g_decoderSource ? g_decoderSource() : std::vector<std::string>{});
    return list;
}

bool IsPictureName(std::string_view name) {
    return EndsWithAny(name, PictureExtensions());
}

bool IsJpegName(std::string_view name) {
    return EndsWithAny(name, kJpegExtensions);
}

bool HasExifHead(std::string_view name) {
    return EndsWithAny(name, kExifHeadExtensions);
}

std::string PicturePattern() {
    std::string pattern;
    for (const std::string& extension : PictureExtensions())
        pattern += (pattern.empty() ? "*" : ";*") + extension;
    return pattern;
}
