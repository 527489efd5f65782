#include <filesystem>

#include "base/core/ProgramPath.h"

std::string ProgramPath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}
