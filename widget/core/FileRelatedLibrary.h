#pragma once
// Text operations on Windows paths ("\" is the only separator; drive letters are nothing
// special). UTF-8: "\" and "." never occur inside a multi-byte character, so byte positions
// are safe here.
#include <string>
#include <string_view>

namespace FileRelatedLibrary {

// The part after the last "\"; the whole path when it has none; empty when it ends with "\".
std::string GetFileName(std::string_view path);
// The part up to and including the last "\"; empty when the path has none.
std::string GetFolder(std::string_view path);
// The file name's text after its last ".", without the dot, case kept; empty without a dot
// or when the name ends with one.
std::string GetExtension(std::string_view path);

}  // namespace FileRelatedLibrary
