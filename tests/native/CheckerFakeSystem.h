#pragma once
// A computer and a profile for the checker's native tests, each answering from a table.
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checker/core/ProfileReader.h"
#include "checker/core/SystemProbe.h"

namespace Pruvo::test {

// Exactly these DLLs exist: those the loader finds, the files the path search finds (name to
// full path) and their version texts (path to version). Every question is recorded.
struct FakeSystem final : SystemProbe {
    std::set<std::string> loadable;
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> versions;
    mutable std::vector<std::string> asked;

    bool IsDllPresent(const std::string& name) const override {
        asked.push_back(name);
        return loadable.count(name) != 0;
    }

    std::optional<std::string> FindFile(const std::string& name) const override {
        asked.push_back(name);
        const auto found = files.find(name);
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    }

    std::string FileVersion(const std::string& path) const override {
        const auto found = versions.find(path);
        return found == versions.end() ? std::string() : found->second;
    }
};

struct ProfileLine {
    std::string section;
    std::string key;
    std::string value;
};

// A profile file's values by section and key (as spelt in the file).
struct FakeProfile final : ProfileReader {
    std::vector<ProfileLine> lines;

    FakeProfile(std::vector<ProfileLine> values = {}) : lines(std::move(values)) {}

    std::string ReadString(std::string_view section,
                           std::string_view key,
                           std::string_view defaultValue) const override {
        for (const ProfileLine& line : lines)
            if (line.section == section && line.key == key)
                return line.value;
        return std::string(defaultValue);
    }

    // The leading number of the value, as the platform reads it.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const override {
        const std::string value = ReadString(section, key, "");
        return value.empty() ? defaultValue : static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
    }
};

}  // namespace Pruvo::test
