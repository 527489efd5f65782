#pragma once
// The checker's profile file, read through the platform's profile functions.
#include <string>
#include <string_view>

#include "checker/core/ProfileReader.h"

namespace Pruvo {

class Profile final : public ProfileReader {
public:
    explicit Profile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    std::string ReadString(std::string_view section,
                           std::string_view key,
                           std::string_view defaultValue) const override;
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override;

private:
    std::string m_path;
};

}  // namespace Pruvo
