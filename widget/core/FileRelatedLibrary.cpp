#include "widget/core/FileRelatedLibrary.h"

namespace FileRelatedLibrary {

namespace {

// Length of the folder part, including its trailing "\"; 0 when there is no "\".
size_t FolderLength(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string GetFileName(std::string_view path) {
    return std::string(path.substr(FolderLength(path)));
}

std::string GetFolder(std::string_view path) {
    return std::string(path.substr(0, FolderLength(path)));
}

std::string GetExtension(std::string_view path) {
    std::string name = GetFileName(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

}  // namespace FileRelatedLibrary
