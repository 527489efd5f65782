#pragma once
// The running program's own version record: what its About box shows.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

struct ProgramVersion {
    std::string productName;  // "ProductName" of the record's first translation
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t revision = 0;
};

// Reads the version record of the module's file; nullopt when the file carries none.
std::optional<ProgramVersion> ReadProgramVersion(HINSTANCE module);

// The module's first icon group at the size of a standard icon: the program's own icon,
// whichever program runs. Null when the module has no icon.
HICON LoadFirstIcon(HINSTANCE module);
