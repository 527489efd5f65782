#pragma once
// A whole section of a profile file at a time: a read of all its entries under one lock, and
// transactions that write several keys under one exclusive lock with one atomic replacement,
// so that another process sees the section wholly old or wholly new.
#include <functional>
#include <string>
#include <string_view>

#include "common/core/ProfileTransaction.h"
#include "common/core/TextCodec.h"

// Every entry of the first section of that name in file order, duplicates included, each
// value as a read of its key would return it. Empty when the file or section is absent or
// the file cannot be read.
ProfileSectionValues ReadProfileSectionValues(const std::string& path,
                                              std::string_view section,
                                              const TextCodec& ansi = SystemAnsiCodec());

// What a read of key returns, taken from a section already read: the first entry of that
// name, or the default (trailing spaces dropped) when there is none.
std::string ProfileSectionValue(const ProfileSectionValues& values,
                                std::string_view key,
                                std::string_view defaultValue,
                                const TextCodec& ansi = SystemAnsiCodec());

// Writes the keys in order: the file's bytes afterwards are those the same writes made one
// key at a time would leave. All or nothing: false, with the file unchanged, when one entry is
// not writable (IsWritableProfileEntry) or the file could not be locked, read or replaced.
bool WriteProfileSectionValues(const std::string& path,
                               std::string_view section,
                               const ProfileSectionValues& values,
                               const TextCodec& ansi = SystemAnsiCodec());

struct ProfileSectionUpdate {
    bool written = false;  // the writes reached the file (also true when there were none)
    // The section before the writes: read under the transaction's lock, or, when the lock or
    // the file could not be had, by a plain read.
    ProfileSectionValues before;
};

// One read-modify-write of a section: decide receives the section as read under the
// exclusive lock and returns the writes to make before the lock is let go (none leaves the
// file untouched). The writes are all or nothing, as in WriteProfileSectionValues.
using ProfileSectionDecision = std::function<ProfileSectionValues(const ProfileSectionValues& before)>;
ProfileSectionUpdate UpdateProfileSection(const std::string& path,
                                          std::string_view section,
                                          const ProfileSectionDecision& decide,
                                          const TextCodec& ansi = SystemAnsiCodec());
