#include "base/core/ProgramPath.h"

namespace {

// Where the file name starts: after the last folder separator or drive colon.
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

std::string ProgramFolder() {
    return std::string(FolderOf(ProgramPath()));
}

std::string ProgramBaseName() {
    return std::string(BaseNameOf(ProgramPath()));
}

std::string_view FolderOf(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string_view FileNameOf(std::string_view path) {
    return path.substr(FileNameStart(path));
}

std::string_view BaseNameOf(std::string_view path) {
    const size_t start = FileNameStart(path);
    return path.substr(start, StemEnd(path) - start);
}

std::string WithExtension(std::string_view path, std::string_view extension) {
    return std::string(path.substr(0, StemEnd(path))) + "." + std::string(extension);
}

// A POSIX folder (the native build's) takes '/'; every other path is a Windows one.
std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += folder.front() == '/' ? '/' : '\\';
    path += name;
    return path;
}
