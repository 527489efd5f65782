#pragma once
// How the help viewer shows a topic's text: the writer's line breaks inside a paragraph are only
// where the file's lines ended, so a paragraph flows to the viewer's width; headings, lists and
// other laid-out lines keep their lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text with each paragraph on one line. A line keeps its own line when it is blank, starts
// with a blank (an indented list, a table, a continued list item), or starts with a heading or
// list mark ("■", "・", "1.", "- " …); the lines between such lines are one paragraph. Joined
// lines meet without a blank, as Japanese text does, but with one where an ASCII letter, digit or
// sign meets the join (Latin words and switches stay apart). Lines end in "\n".
std::string ReflowHelpText(std::string_view text);

struct HelpPlace {
    size_t page = 0;
    size_t offset = 0;  // in bytes of the page's UTF-8 text

    bool operator==(const HelpPlace&) const = default;
};

// The next place of word at or after from, going on through the following pages and round to
// the first; letters A-Z match either case. nullopt when no page holds it, or word is empty.
std::optional<HelpPlace> FindHelpWord(const std::vector<std::string>& pages, std::string_view word, HelpPlace from);
