#include "common/core/VersionText.h"

namespace {

constexpr uint16_t kLastLetterRevision = 26;

}  // namespace

std::string VersionText(uint16_t major, uint16_t minor, uint16_t revision) {
    const std::string paddedMinor = "0" + std::to_string(minor);
    std::string text = "Version " + std::to_string(major) + "." + paddedMinor.substr(paddedMinor.size() - 2);
    if (revision >= 1 && revision <= kLastLetterRevision)
        text += static_cast<char>('a' + revision - 1);
    else if (revision > kLastLetterRevision)
        text += "." + std::to_string(revision);
    return text;
}
