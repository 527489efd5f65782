#pragma once
// Every character of the Basic Multilingual Plane through a profile write and read, shared by
// the native build (code page 932 by iconv) and the Windows build (the system's code page).
// NUL, CR and LF cannot be written at all, and surrogates are no characters of their own.
#include <string>
#include <vector>

#include "common/core/ProfileSectionAccess.h"
#include "common/core/TextCodec.h"

namespace test_support {

inline std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// One file's worth of the sweep: the values to write and whether the code page must hold them
// (the file then stays in the code page) or not (it turns into UTF-16LE).
struct SweepFile {
    ProfileSectionValues values;
    bool inCodePage = false;
};

// The characters in groups of charsPerValue, valuesPerFile values a file. Each value is
// framed by letters, so that blanks and quotes at its ends stay part of it.
inline std::vector<SweepFile> SweepFiles(const TextCodec& codec, size_t charsPerValue = 64, size_t valuesPerFile = 32) {
    std::vector<std::string> groups[2];  // [0] refused by the code page, [1] held by it
    std::string pending[2];
    size_t counts[2] = {0, 0};
    for (char32_t c = 1; c <= 0xFFFF; ++c) {
        if (c == '\r' || c == '\n' || (c >= 0xD800 && c <= 0xDFFF))
            continue;
        const std::string text = Utf8Of(c);
        const int held = codec.FromUtf8(text) ? 1 : 0;
        pending[held] += text;
        if (++counts[held] % charsPerValue == 0)
            groups[held].push_back(std::move(pending[held])), pending[held].clear();
    }
    std::vector<SweepFile> files;
    for (int held = 0; held < 2; ++held) {
        if (!pending[held].empty())
            groups[held].push_back(pending[held]);
        for (size_t i = 0; i < groups[held].size(); ++i) {
            if (i % valuesPerFile == 0)
                files.push_back({{}, held == 1});
            files.back().values.emplace_back("c" + std::to_string(i), "x" + groups[held][i] + "x");
        }
    }
    return files;
}

}  // namespace test_support
