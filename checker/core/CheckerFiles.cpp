#include "CheckerFiles.h"

namespace pruvo {
namespace {

// Position where the file name starts (after the last folder separator or drive colon).
size_t FileNameStart(std::string_view path) {
    const size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// Length of the path without the file name's extension (a dot inside a folder name is no
// extension).
size_t StemEnd(std::string_view path) {
    const size_t start = FileNameStart(path);
    const size_t dot = path.rfind('.');
    return dot == std::string_view::npos || dot < start ? path.size() : dot;
}

}  // namespace

std::string ProgramBaseName(std::string_view programPath) {
    const size_t start = FileNameStart(programPath);
    return std::string(programPath.substr(start, StemEnd(programPath) - start));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/') {
        path += '\\';
    }
    path += name;
    return path;
}

std::string ProfilePath(std::string_view currentDirectory, std::string_view programPath) {
    return JoinPath(currentDirectory, ProgramBaseName(programPath) + ".INI");
}

std::string HelpFilePath(std::string_view programPath) {
    return std::string(programPath.substr(0, StemEnd(programPath))) + ".HLP";
}

}  // namespace pruvo
