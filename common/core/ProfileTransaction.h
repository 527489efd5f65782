#pragma once
// One read-modify-write of a whole profile file, over as many sections as it needs: the edit
// reads the file as it stands under the exclusive lock and returns the writes to make before
// the lock is let go, so that another process sees all of them or none.
//
// Every write of the profile goes through UpdateProfile: a single key (ProfileAccess) and a
// section's batch (ProfileSectionAccess) are transactions of one key or one section.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/ProfileDocument.h"
#include "common/core/TextCodec.h"

// Keys and values of one section, in order: the file order for a read, the order of the
// writes for a batch.
using ProfileSectionValues = std::vector<std::pair<std::string, std::string>>;

// Whether the platform's functions could write these names and this value so that they read
// back: no line breaks or NULs, no empty names, no '=' in or ';' '[' in front of a key, no
// ']' in a section name, well-formed UTF-8.
bool IsWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value);

struct ProfileWrite {
    std::string section;
    std::string key;
    std::string value;
};
using ProfileWrites = std::vector<ProfileWrite>;

// The file as the transaction read it; reads return what the single-key read would.
class ProfileSnapshot {
public:
    ProfileSnapshot(const ProfileDocument& document, const TextCodec& ansi) : m_document(document), m_ansi(ansi) {}

    std::string Value(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    ProfileSectionValues Section(std::string_view section) const;

private:
    const ProfileDocument& m_document;
    const TextCodec& m_ansi;
};

// Reads the file once, under the shared lock, and hands it to read (an empty file when it is
// missing or cannot be read): many keys of many sections for the price of one read.
void ReadProfile(const std::string& path,
                 const std::function<void(const ProfileSnapshot&)>& read,
                 const TextCodec& ansi = SystemAnsiCodec());

using ProfileEdit = std::function<ProfileWrites(const ProfileSnapshot& before)>;

// Runs edit under the exclusive lock and makes its writes in order, with the bytes the same
// writes made one key at a time would leave, in one atomic replacement (none when there are
// no writes or they change nothing). False, with the file unchanged, when a write is not
// writable (IsWritableProfileEntry) or the file could not be locked, read or replaced; edit is
// then not run when the file could not be had at all.
bool UpdateProfile(const std::string& path, const ProfileEdit& edit, const TextCodec& ansi = SystemAnsiCodec());
