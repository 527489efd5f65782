// The reference of a start on an unchanged folder: a program that only lists the folder (basic
// information, large fetch) and ends. It links nothing but the system's own libraries.
//   folder_list <folder>
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileExW((std::wstring(argv[1]) + L"\\*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE)
        return 1;
    size_t files = 0;
    do
        files += found.nFileSizeLow != 0 ? 1 : 0;
    while (FindNextFileW(find, &found));
    FindClose(find);
    std::printf("listed %zu\n", files);
    return 0;
}
