#include "widget/core/PictureFolder.h"

namespace {

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size())
        return false;
    const std::string_view end = name.substr(name.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        char c = end[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

bool IsJpegName(std::string_view name) {
    return EndsWithNoCase(name, ".jpg") || EndsWithNoCase(name, ".jpeg");
}

bool IsPictureName(std::string_view name) {
    return IsJpegName(name) || EndsWithNoCase(name, ".bmp") || EndsWithNoCase(name, ".png");
}
