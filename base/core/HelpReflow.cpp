#include "base/core/HelpReflow.h"

#include <algorithm>

#include "base/core/AsciiText.h"

namespace {

// Marks that open a heading or a list item at the start of a line.
constexpr std::string_view kLineMarks[] = {"■", "□", "●", "○", "◆", "◇", "【", "・", "※", "- ", "* "};

bool IsNumberedItem(std::string_view line) {
    size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    return digits > 0 && digits + 1 < line.size() && (line[digits] == '.' || line[digits] == ')') &&
           line[digits + 1] == ' ';
}

// An ideographic space (U+3000) indents as a blank does.
bool KeepsItsLine(std::string_view line) {
    if (line.empty() || IsBlank(line.front()) || line.starts_with("\xE3\x80\x80") || IsNumberedItem(line))
        return true;
    return std::any_of(std::begin(kLineMarks), std::end(kLineMarks),
                       [&](std::string_view mark) { return line.starts_with(mark); });
}

bool IsAsciiSign(char c) {
    return c > ' ' && static_cast<unsigned char>(c) < 0x80;
}

// Japanese punctuation and brackets (U+3000-U+303F) never take a blank beside them.
bool EndsInJapanesePunctuation(std::string_view text) {
    return text.size() >= 3 && text.substr(text.size() - 3, 2) == "\xE3\x80";
}

bool StartsWithJapanesePunctuation(std::string_view text) {
    return text.starts_with("\xE3\x80");
}

bool NeedsBlankBetween(std::string_view before, std::string_view after) {
    if (EndsInJapanesePunctuation(before) || StartsWithJapanesePunctuation(after))
        return false;
    return IsAsciiSign(before.back()) || IsAsciiSign(after.front());
}

std::string_view TrimEnd(std::string_view line) {
    while (!line.empty() && (IsBlank(line.back()) || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

}  // namespace

std::string ReflowHelpText(std::string_view text) {
    std::vector<std::string> lines;
    bool inParagraph = false;  // the last line is a paragraph that the next plain line goes on
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = TrimEnd(text.substr(start, end - start));
        start = end + 1;
        const bool kept = KeepsItsLine(line);
        if (inParagraph && !kept) {
            if (NeedsBlankBetween(lines.back(), line))
                lines.back() += ' ';
            lines.back() += line;
        } else {
            lines.emplace_back(line);
        }
        inParagraph = !kept;
    }
    std::string flowed;
    for (size_t i = 0; i < lines.size(); ++i)
        flowed += (i > 0 ? "\n" : "") + lines[i];
    return flowed;
}

std::optional<HelpPlace> FindHelpWord(const std::vector<std::string>& pages, std::string_view word, HelpPlace from) {
    if (word.empty() || pages.empty())
        return std::nullopt;
    const auto sameLetter = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    from.page = std::min(from.page, pages.size() - 1);
    // Every page once from the start page on, then the start page's part before from.
    for (size_t step = 0; step <= pages.size(); ++step) {
        const size_t page = (from.page + step) % pages.size();
        const std::string& text = pages[page];
        const size_t first = step == 0 ? std::min(from.offset, text.size()) : 0;
        const size_t last = step == pages.size() ? std::min(from.offset + word.size(), text.size()) : text.size();
        const auto begin = text.begin() + static_cast<std::ptrdiff_t>(first);
        const auto limit = text.begin() + static_cast<std::ptrdiff_t>(last);
        const auto found = std::search(begin, limit, word.begin(), word.end(), sameLetter);
        if (found != limit)
            return HelpPlace{page, static_cast<size_t>(found - text.begin())};
    }
    return std::nullopt;
}
