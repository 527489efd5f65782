#pragma once
// The version text a file's version record gives for its first translation.
#include <string>

namespace Pruvo {

// The "FileVersion" string of the file's first translation, at most 255 characters; empty
// when the file has no version record or the record has no such string.
std::string ReadFileVersion(const std::string& path);

}  // namespace Pruvo
