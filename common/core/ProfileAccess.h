#pragma once
// One read or one write of a key in a profile file, with the semantics of the platform's
// private-profile functions, a cross-process lock and atomic replacement of the file.
#include <optional>
#include <string>
#include <string_view>

#include "common/core/TextCodec.h"

// <folder>\<user name>.<extension>, or <defaultName>.<extension> without a user name.
std::string ComposeProfileFilePath(const std::string& folder,
                                   const std::optional<std::string>& userName,
                                   const std::string& defaultName,
                                   const std::string& extension);

// The value of key in section, or the default (see ResolveProfileValue) when the file,
// section or key is absent or the file cannot be read.
std::string ReadProfileEntry(const std::string& path,
                             std::string_view section,
                             std::string_view key,
                             std::string_view defaultValue,
                             const TextCodec& ansi = SystemAnsiCodec());

// Creates the file, section and key as needed and sets the value verbatim. False when the
// entry is not writable or the file could not be locked, read or replaced (then unchanged).
bool WriteProfileEntry(const std::string& path,
                       std::string_view section,
                       std::string_view key,
                       std::string_view value,
                       const TextCodec& ansi = SystemAnsiCodec());
