#pragma once
// A profile file held as its lines, each with its original bytes, so that a write changes only
// the lines it must and every other line stays byte for byte.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/TextCodec.h"

enum class ProfileEncoding {
    Ansi,     // no byte-order mark: the system's ANSI code page
    Utf16Le,  // starts with FF FE
};

class ProfileDocument {
public:
    // bytes: the file's content; empty for a missing or empty file.
    ProfileDocument(std::string_view bytes, const TextCodec& ansi);

    ProfileEncoding Encoding() const { return m_encoding; }

    // The value of key in the first section of that name, trimmed, quotes kept; std::nullopt
    // when the section or the key is absent. Both names lose blanks at both ends.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Section and key of every entry under a header, in file order, duplicates included.
    std::vector<std::pair<std::string, std::string>> EntryNames() const;

    // Key and value (trimmed, quotes kept) of every entry of the first section of that name,
    // in file order, duplicates included; empty when the section is absent.
    std::vector<std::pair<std::string, std::string>> SectionEntries(std::string_view section) const;

    // Writes value verbatim: an existing key's line is replaced where it stands, a new key
    // follows the section's last entry, a new section goes to the end. A text the code page
    // cannot spell turns the whole document into UTF-16LE.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's content.
    std::string Bytes() const;

private:
    enum class LineBreak { None, CrLf, Lf, Cr };
    struct Line {
        std::string raw;  // the line's bytes in the file's encoding, without its line break
        LineBreak lineBreak = LineBreak::None;
        std::string text;  // the line as UTF-8
    };

    void SplitAnsi(std::string_view bytes);
    void SplitUtf16(std::string_view bytes);
    std::optional<size_t> FindSection(std::string_view name) const;
    size_t SectionEnd(size_t header) const;
    std::optional<std::string> Encode(std::string_view text) const;
    std::string EncodeLineBreak(LineBreak lineBreak) const;
    void SwitchToUtf16();
    Line MakeLine(std::string text);
    void EnsureLineBreakBefore(size_t index);

    const TextCodec& m_ansi;
    ProfileEncoding m_encoding = ProfileEncoding::Ansi;
    bool m_emptyFile = true;  // no bytes at all, not even a byte-order mark
    std::vector<Line> m_lines;
};
