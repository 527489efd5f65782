#pragma once
// The Exif date a setting's one picture file was taken, for the age in the photo's tooltip:
// read once per file, as the tooltip asks each time it shows.
#include <optional>
#include <string>

#include "widget/core/ExifReader.h"

class PictureDateTaken {
public:
    // nullopt for a file without an Exif date, or one that cannot be read.
    const std::optional<LocalSeconds>& Of(const std::string& path);

private:
    std::optional<std::string> m_path;
    std::optional<LocalSeconds> m_taken;
};
