#pragma once
// The version line of the About box, made from the numbers of the program's version record.
#include <cstdint>
#include <string>

// "Version " + major + "." + minor as two digits (5 -> "05", 10 -> "10", a minor above 99 keeps
// its last two digits) + a letter for a revision: 1 "a", 2 "b" ... 26 "z". Revision 0 adds
// nothing; a revision beyond the alphabet is written as ".<revision>" rather than as a symbol.
std::string VersionText(uint16_t major, uint16_t minor, uint16_t revision);
