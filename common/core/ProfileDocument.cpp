#include "common/core/ProfileDocument.h"

#include "base/core/Utf16.h"
#include "common/core/ProfileLine.h"

namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

std::string Utf16LeBytes(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() * 2);
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes, const TextCodec& ansi) : m_ansi(ansi) {
    m_emptyFile = bytes.empty();
    if (bytes.substr(0, 2) == kUtf16Bom) {
        m_encoding = ProfileEncoding::Utf16Le;
        SplitUtf16(bytes.substr(2));
    } else {
        SplitAnsi(bytes);
    }
}

// Lines end at CRLF, LF or CR. In the ANSI code pages no trail byte is a CR or LF, so the
// bytes can be split before they are decoded.
void ProfileDocument::SplitAnsi(std::string_view bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        Line line;
        line.raw =
            std::string(bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        line.text = m_ansi.ToUtf8(line.raw);
        if (end == std::string_view::npos) {
            start = bytes.size();
        } else if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
            line.lineBreak = LineBreak::CrLf;
            start = end + 2;
        } else {
            line.lineBreak = bytes[end] == '\r' ? LineBreak::Cr : LineBreak::Lf;
            start = end + 1;
        }
        m_lines.push_back(std::move(line));
    }
}

// The same on UTF-16 code units; an odd last byte is no character and is dropped.
void ProfileDocument::SplitUtf16(std::string_view bytes) {
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    size_t start = 0;
    while (start < units.size()) {
        size_t end = units.find_first_of(u"\r\n", start);
        const std::u16string_view content =
            std::u16string_view(units).substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
        Line line{Utf16LeBytes(content), LineBreak::None, Utf16ToUtf8(content)};
        if (end == std::u16string::npos) {
            start = units.size();
        } else if (units[end] == u'\r' && end + 1 < units.size() && units[end + 1] == u'\n') {
            line.lineBreak = LineBreak::CrLf;
            start = end + 2;
        } else {
            line.lineBreak = units[end] == u'\r' ? LineBreak::Cr : LineBreak::Lf;
            start = end + 1;
        }
        m_lines.push_back(std::move(line));
    }
}

std::optional<size_t> ProfileDocument::FindSection(std::string_view name) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const ProfileLineParts parts = ParseProfileLine(m_lines[i].text);
        if (parts.kind == ProfileLineKind::Section && SameProfileName(parts.name, name))
            return i;
    }
    return std::nullopt;
}

// The index after the last line of the section whose header is at header.
size_t ProfileDocument::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < m_lines.size() && ParseProfileLine(m_lines[i].text).kind != ProfileLineKind::Section)
        ++i;
    return i;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section, std::string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    // An empty section name finds nothing, not even a "[]" header.
    if (section.empty())
        return std::nullopt;
    const std::optional<size_t> header = FindSection(section);
    if (!header)
        return std::nullopt;
    const size_t end = SectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i) {
        const ProfileLineParts parts = ParseProfileLine(m_lines[i].text);
        if (parts.kind == ProfileLineKind::Entry && SameProfileName(parts.name, key))
            return std::string(parts.value);
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> ProfileDocument::EntryNames() const {
    std::vector<std::pair<std::string, std::string>> names;
    std::optional<std::string> section;
    for (const Line& line : m_lines) {
        const ProfileLineParts parts = ParseProfileLine(line.text);
        if (parts.kind == ProfileLineKind::Section)
            section = std::string(parts.name);
        if (parts.kind == ProfileLineKind::Entry && section)
            names.emplace_back(*section, parts.name);
    }
    return names;
}

std::vector<std::pair<std::string, std::string>> ProfileDocument::SectionEntries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    section = TrimBlanks(section);
    const std::optional<size_t> header = section.empty() ? std::nullopt : FindSection(section);
    if (!header)
        return entries;
    const size_t end = SectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i) {
        const ProfileLineParts parts = ParseProfileLine(m_lines[i].text);
        if (parts.kind == ProfileLineKind::Entry)
            entries.emplace_back(parts.name, parts.value);
    }
    return entries;
}

std::optional<std::string> ProfileDocument::Encode(std::string_view text) const {
    if (m_encoding == ProfileEncoding::Utf16Le)
        return Utf16LeBytes(Utf8ToUtf16(text));
    return m_ansi.FromUtf8(text);
}

std::string ProfileDocument::EncodeLineBreak(LineBreak lineBreak) const {
    static constexpr std::string_view kBreaks[] = {"", "\r\n", "\n", "\r"};
    const std::string_view bytes = kBreaks[static_cast<size_t>(lineBreak)];
    return m_encoding == ProfileEncoding::Utf16Le ? Utf16LeBytes(Utf8ToUtf16(bytes)) : std::string(bytes);
}

// Every line keeps its text and its line break; only the bytes that spell them change.
void ProfileDocument::SwitchToUtf16() {
    m_encoding = ProfileEncoding::Utf16Le;
    for (Line& line : m_lines)
        line.raw = Utf16LeBytes(Utf8ToUtf16(line.text));
}

ProfileDocument::Line ProfileDocument::MakeLine(std::string text) {
    std::optional<std::string> raw = Encode(text);
    if (!raw) {
        SwitchToUtf16();
        raw = Encode(text);
    }
    return Line{std::move(*raw), LineBreak::CrLf, std::move(text)};
}

// A line that ends the file without a line break gets one before anything follows it.
void ProfileDocument::EnsureLineBreakBefore(size_t index) {
    if (index > 0 && m_lines[index - 1].lineBreak == LineBreak::None)
        m_lines[index - 1].lineBreak = LineBreak::CrLf;
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const std::optional<size_t> header = FindSection(section);
    if (!header) {
        // A file that holds anything (even only a byte-order mark) and does not end with a
        // line break gets one first.
        if (m_lines.empty() && !m_emptyFile)
            m_lines.push_back(Line{"", LineBreak::CrLf, ""});
        EnsureLineBreakBefore(m_lines.size());
        // Each line joins the document before the next is encoded, so that a switch to
        // UTF-16LE re-encodes it too.
        Line headerLine = MakeLine("[" + std::string(section) + "]");
        m_lines.push_back(std::move(headerLine));
        Line entryLine = MakeLine(std::string(key) + "=" + std::string(value));
        m_lines.push_back(std::move(entryLine));
        m_emptyFile = false;
        return;
    }
    const size_t end = SectionEnd(*header);
    size_t insertAt = *header + 1;
    for (size_t i = *header + 1; i < end; ++i) {
        const ProfileLineParts parts = ParseProfileLine(m_lines[i].text);
        if (parts.kind != ProfileLineKind::Entry)
            continue;
        if (SameProfileName(parts.name, key)) {
            // The key keeps its spelling and its place.
            m_lines[i] = MakeLine(std::string(parts.name) + "=" + std::string(value));
            return;
        }
        insertAt = i + 1;
    }
    Line entryLine = MakeLine(std::string(key) + "=" + std::string(value));
    EnsureLineBreakBefore(insertAt);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entryLine));
}

std::string ProfileDocument::Bytes() const {
    std::string out;
    if (m_encoding == ProfileEncoding::Utf16Le)
        out += kUtf16Bom;
    for (const Line& line : m_lines) {
        out += line.raw;
        out += EncodeLineBreak(line.lineBreak);
    }
    return out;
}
