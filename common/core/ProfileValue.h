#pragma once
// What a read of one key returns.
#include <optional>
#include <string>
#include <string_view>

#include "common/core/TextCodec.h"

// A read returns at most this many bytes of the ANSI code page (a buffer of 1024 with its NUL).
inline constexpr size_t kMaxProfileValueBytes = 1023;

// found: the value as the file holds it (trimmed, quotes kept), or std::nullopt when the file,
// section or key is absent. The result is the value without its outer quotes, or the default
// without its trailing spaces, cut to kMaxProfileValueBytes.
std::string ResolveProfileValue(const std::optional<std::string>& found,
                                std::string_view defaultValue,
                                const TextCodec& ansi);

// The longest prefix of utf8 whose spelling in the code page takes at most maxBytes; whole
// characters only. A character the code page cannot spell counts as one byte per UTF-16 unit,
// as the platform's '?' would.
std::string CutToAnsiBytes(std::string_view utf8, size_t maxBytes, const TextCodec& ansi);
