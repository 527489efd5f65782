#include "base/core/HelpTopics.h"

#include "base/core/AsciiText.h"

#include <charconv>
#include <optional>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kTopicMarker = "@topic";

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// The topic a marker line starts, or nullopt for any other line.
std::optional<HelpTopic> ReadMarker(std::string_view line) {
    if (!line.starts_with(kTopicMarker))
        return std::nullopt;
    std::string_view rest = line.substr(kTopicMarker.size());
    if (rest.empty() || !IsBlank(rest.front()))
        return std::nullopt;
    rest = TrimBlanks(rest);
    HelpTopic topic;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), topic.number);
    if (error != std::errc() || end == rest.data())
        return std::nullopt;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
    if (!rest.empty() && !IsBlank(rest.front()))
        return std::nullopt;  // "@topic 12abc" is text
    topic.title = std::string(TrimBlanks(rest));
    return topic;
}

std::string JoinText(const std::vector<std::string_view>& lines) {
    size_t first = 0;
    size_t last = lines.size();
    while (first < last && TrimBlanks(lines[first]).empty())
        ++first;
    while (last > first && TrimBlanks(lines[last - 1]).empty())
        --last;
    std::string text;
    for (size_t i = first; i < last; ++i) {
        if (i > first)
            text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace

std::vector<HelpTopic> ParseHelpTopics(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    std::vector<HelpTopic> topics;
    std::vector<std::string_view> body;
    std::vector<std::string_view> unmarked;  // the whole file, in case it has no topic line
    auto closeTopic = [&] {
        if (!topics.empty())
            topics.back().text = JoinText(body);
        body.clear();
    };
    for (std::string_view line : SplitLines(bytes)) {
        if (auto topic = ReadMarker(line)) {
            closeTopic();
            topics.push_back(std::move(*topic));
            continue;
        }
        if (line.starts_with("@@"))
            line.remove_prefix(1);
        body.push_back(line);
        unmarked.push_back(line);
    }
    closeTopic();
    if (topics.empty()) {
        std::string whole = JoinText(unmarked);
        if (!whole.empty())
            topics.push_back({0, {}, std::move(whole)});
    }
    return topics;
}

HelpTopic FindHelpTopic(const std::vector<HelpTopic>& topics, int32_t number) {
    return topics.empty() ? HelpTopic{} : topics[FindHelpTopicIndex(topics, number)];
}

size_t FindHelpTopicIndex(const std::vector<HelpTopic>& topics, int32_t number) {
    for (size_t i = 0; i < topics.size(); ++i)
        if (topics[i].number == number)
            return i;
    return 0;
}
