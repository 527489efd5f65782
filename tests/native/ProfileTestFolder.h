#pragma once
// A fresh temporary folder per test, removed afterwards, and whole-file helpers.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <stdlib.h>

class ProfileTestFolder {
public:
    ProfileTestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pimmo-profile-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~ProfileTestFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    ProfileTestFolder(const ProfileTestFolder&) = delete;
    ProfileTestFolder& operator=(const ProfileTestFolder&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
