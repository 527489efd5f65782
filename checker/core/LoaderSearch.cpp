#include "checker/core/LoaderSearch.h"

#include "checker/core/DllList.h"

namespace Pruvo {
namespace {

void Append(std::string& path, std::string_view entry) {
    entry = TrimBlanks(entry);
    if (entry.empty())
        return;
    if (!path.empty())
        path += ';';
    path += entry;
}

}  // namespace

std::string LoaderSearchPath(const LoaderFolders& folders) {
    std::string path;
    Append(path, folders.programFolder);
    Append(path, folders.systemFolder);
    Append(path, folders.legacySystemFolder);
    Append(path, folders.windowsFolder);
    Append(path, folders.currentFolder);
    std::string_view rest = folders.pathVariable;
    while (!rest.empty()) {
        const size_t semicolon = rest.find(';');
        Append(path, rest.substr(0, semicolon));
        rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    }
    return path;
}

}  // namespace Pruvo
