#pragma once
// Help files: plain UTF-8 text (a byte-order mark is allowed) split into numbered topics, so that
// a program can open its help at a context number.
//
//     @topic 0 Pimmoの使い方
//     text of topic 0 ...
//     @topic 100 Pimmoハウス
//     text of topic 100 ...
//
// - A line "@topic", blanks, a decimal number (a minus sign allowed) and optionally blanks and a
//   title starts a topic; the topic runs to the next such line or the end of the file. A line
//   that starts "@topic" but has no number after it is ordinary text.
// - A line starting "@@" is a text line starting with one "@" (to write "@topic" as text).
// - Lines end in LF, CRLF or CR. A topic's text joins its lines with "\n", without the blank
//   lines at its start and end.
// - Lines before the first topic line are a note for the file's writers and are never shown;
//   a file without any topic line is one topic 0, untitled, holding the whole text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HelpTopic {
    int32_t number = 0;
    std::string title;
    std::string text;

    bool operator==(const HelpTopic&) const = default;
};

// The topics in file order.
std::vector<HelpTopic> ParseHelpTopics(std::string_view bytes);

// The topic to show for a context number: the first topic with that number; when the file has
// none, the first topic of the file (where a reader starts anyway); an empty topic for an empty file.
HelpTopic FindHelpTopic(const std::vector<HelpTopic>& topics, int32_t number);
// Where that topic stands in topics (0 for an empty list).
size_t FindHelpTopicIndex(const std::vector<HelpTopic>& topics, int32_t number);
