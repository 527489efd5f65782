// The profile document under arbitrary file bytes and writes. Properties:
//  - a document nobody wrote to gives back the file's own bytes;
//  - a written value reads back (trimmed, as every read sees it), also after the bytes are
//    read again as a new file, and an emptied value stays as the key with nothing after "=";
//  - a write never changes what any other key reads;
//  - a read never returns more than the platform's buffer holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <utility>
#include <vector>

#include "common/core/ProfileAccess.h"
#include "common/core/ProfileDocument.h"
#include "common/core/ProfileLine.h"
#include "common/core/ProfileTransaction.h"
#include "common/core/ProfileValue.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// A UTF-16LE file's odd last byte is no character; it is the only byte a document drops.
std::string ExpectedUntouchedBytes(const std::string& bytes) {
    if (bytes.substr(0, 2) == kUtf16Bom && bytes.size() % 2 == 1)
        return bytes.substr(0, bytes.size() - 1);
    return bytes;
}

using Entry = std::pair<std::string, std::string>;  // section, key
using Snapshot = std::vector<std::pair<Entry, std::optional<std::string>>>;

Snapshot ReadEveryEntry(const ProfileDocument& document) {
    Snapshot snapshot;
    for (const Entry& entry : document.EntryNames())
        snapshot.emplace_back(entry, document.Find(entry.first, entry.second));
    return snapshot;
}

// Names of the file itself (so that writes replace existing keys) in another case and with
// blanks around, or made up.
std::string PickName(FuzzedDataProvider& input, const std::vector<Entry>& names, bool section) {
    if (!names.empty() && input.ConsumeBool()) {
        const Entry& entry = names[input.ConsumeIntegralInRange<size_t>(0, names.size() - 1)];
        std::string name = section ? entry.first : entry.second;
        for (char& c : name) {
            if (c >= 'a' && c <= 'z' && input.ConsumeBool())
                c = static_cast<char>(c - 'a' + 'A');
        }
        return input.ConsumeBool() ? " " + name + "\t" : name;
    }
    return input.ConsumeRandomLengthString(24);
}

// Values the code page of the native build (932) holds, one it cannot (so the file turns into
// UTF-16LE), the empty value that clears a key, and anything.
std::string PickValue(FuzzedDataProvider& input) {
    static const char* const kValues[] = {"", "locked", "C:\\写真\\長男.jpg", "\"quoted\"", "한국어", " 2 "};
    if (input.ConsumeBool())
        return kValues[input.ConsumeIntegralInRange<size_t>(0, std::size(kValues) - 1)];
    return input.ConsumeRandomLengthString(64);
}

void CheckReadLimit(const std::optional<std::string>& found, const TextCodec& ansi) {
    const std::string value = ResolveProfileValue(found, "", ansi);
    const std::string_view whole = found ? StripOuterQuotes(*found) : std::string_view();
    FUZZ_CHECK(whole.substr(0, value.size()) == value);
    if (auto spelled = ansi.FromUtf8(value))
        FUZZ_CHECK(spelled->size() <= kMaxProfileValueBytes);
}

void CheckSameReads(const ProfileDocument& document, const Snapshot& expected) {
    for (const auto& [entry, value] : expected)
        FUZZ_CHECK(document.Find(entry.first, entry.second) == value);
}

void WriteAndCheck(ProfileDocument& document,
                   std::string_view section,
                   std::string_view key,
                   std::string_view value,
                   const TextCodec& ansi) {
    const Snapshot before = ReadEveryEntry(document);
    const ProfileEncoding encodingBefore = document.Encoding();
    document.Set(section, key, value);

    const std::string readBack(TrimBlanks(value));
    FUZZ_CHECK(document.Find(section, key) == readBack);
    CheckReadLimit(document.Find(section, key), ansi);
    for (const auto& [entry, old] : before) {
        const bool written = SameProfileName(TrimBlanks(entry.first), TrimBlanks(section)) &&
                             SameProfileName(TrimBlanks(entry.second), TrimBlanks(key));
        if (!written)
            FUZZ_CHECK(document.Find(entry.first, entry.second) == old);
    }
    // A UTF-16LE file never goes back to the code page.
    FUZZ_CHECK(encodingBefore == ProfileEncoding::Ansi || document.Encoding() == ProfileEncoding::Utf16Le);

    // What the next process reads from the file is what this one wrote.
    const std::string bytes = document.Bytes();
    const ProfileDocument reread(bytes, ansi);
    FUZZ_CHECK(reread.Bytes() == bytes);
    FUZZ_CHECK(reread.Encoding() == document.Encoding());
    FUZZ_CHECK(reread.EntryNames() == document.EntryNames());
    FUZZ_CHECK(reread.Find(section, key) == readBack);
    CheckSameReads(reread, ReadEveryEntry(document));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const TextCodec& ansi = SystemAnsiCodec();
    const std::string bytes = input.ConsumeRandomLengthString(4096);
    ProfileDocument document(bytes, ansi);
    FUZZ_CHECK(document.Bytes() == ExpectedUntouchedBytes(bytes));
    for (const Entry& entry : document.EntryNames())
        CheckReadLimit(document.Find(entry.first, entry.second), ansi);

    for (int write = 0; write < 6 && input.remaining_bytes() > 0; ++write) {
        const std::vector<Entry> names = document.EntryNames();
        const std::string section = PickName(input, names, true);
        const std::string key = PickName(input, names, false);
        const std::string value = PickValue(input);
        // The library refuses these before any document sees them.
        if (IsWritableProfileEntry(section, key, value))
            WriteAndCheck(document, section, key, value, ansi);
    }
    return 0;
}
