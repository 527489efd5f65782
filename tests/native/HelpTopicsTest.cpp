#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/core/HelpTopics.h"

namespace {

std::string Describe(const std::vector<HelpTopic>& topics) {
    std::string text;
    for (const HelpTopic& topic : topics)
        text += "[" + std::to_string(topic.number) + "|" + topic.title + "|" + topic.text + "]";
    return text;
}

TEST(HelpTopics, TopicLinesSplitTheFile) {
    const struct {
        const char* bytes;
        const char* topics;
    } kCases[] = {
        {"@topic 0 使い方\nA\nB\n@topic 100 ハウス\nC\n", "[0|使い方|A\nB][100|ハウス|C]"},
        {"@topic 0 T\r\nA\r\nB\r\n", "[0|T|A\nB]"},  // CRLF
        {"@topic 0 T\rA\rB", "[0|T|A\nB]"},          // CR alone
        {"\xEF\xBB\xBF@topic 5 T\nA", "[5|T|A]"},    // byte-order mark
        {"@topic 7\nA", "[7||A]"},                   // no title
        {"@topic\t-3\t  T x  \nA", "[-3|T x|A]"},
        {"@topic 1 T\n\n\n  A\n\n B\n\n\n@topic 2 U", "[1|T|  A\n\n B][2|U|]"},  // blank lines at the ends dropped
        {"note for writers\n@topic 1 T\nA", "[1|T|A]"},
        {"@topic 1 T\n@@topic 2 U\n@@@x", "[1|T|@topic 2 U\n@@x]"},  // "@@" writes "@"
        {"@topic 1 T\n@topic two U\n@topics 3\n@topic 4x\n @topic 5",
         "[1|T|@topic two U\n@topics 3\n@topic 4x\n @topic 5]"},
        {"@topic 1 A\n@topic 1 B\nx", "[1|A|][1|B|x]"},
        {"@topic 99999999999 T\nA", "[0||@topic 99999999999 T\nA]"},  // a number beyond 32 bits is text
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Describe(ParseHelpTopics(c.bytes)), c.topics) << c.bytes;
}

TEST(HelpTopics, AFileWithoutTopicLinesIsTopicZero) {
    const struct {
        const char* bytes;
        const char* topics;
    } kCases[] = {
        {"Pruvo ヘルプ\n\n■ 一覧\nA\n", "[0||Pruvo ヘルプ\n\n■ 一覧\nA]"},
        {"", ""},
        {"\n\r\n  \n", ""},
        {"\xEF\xBB\xBF", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Describe(ParseHelpTopics(c.bytes)), c.topics) << c.bytes;
}

TEST(HelpTopics, AMissingTopicShowsTheFirst) {
    const std::vector<HelpTopic> topics =
        ParseHelpTopics("@topic 5 F\nf\n@topic 0 Z\nz\n@topic 0 Y\ny\n@topic 100 H\nh");
    const struct {
        int32_t number;
        const char* title;
    } kCases[] = {{0, "Z"}, {100, "H"}, {5, "F"}, {1, "F"}, {-1, "F"}};
    for (const auto& c : kCases)
        EXPECT_EQ(FindHelpTopic(topics, c.number).title, c.title) << c.number;
    EXPECT_EQ(FindHelpTopic({}, 0), HelpTopic{});
}

std::string ReadShippedHelp(const char* name = "pimmo.hlp") {
    // This file lies in tests/native of the source tree.
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../widget/help" / name;
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(HelpTopics, TheWidgetsHelpFileHasTheTopicsBothProgramsOpen) {
    const std::vector<HelpTopic> topics = ParseHelpTopics(ReadShippedHelp());
    const struct {
        int32_t number;
        const char* mentions;
    } kCases[] = {
        {0, "画像を開く"}, {0, "ふちのないウィンドウにする"},
        {0, "オプション"}, {0, "バージョン情報"},
        {0, "設定完了"},   {0, "house.exe"},
        {0, "/R"},         {100, "設定変更"},
        {100, "house /S"}, {100, "house /R"},
        {100, "house /P"},
    };
    for (const auto& c : kCases) {
        const HelpTopic topic = FindHelpTopic(topics, c.number);
        EXPECT_EQ(topic.number, c.number);
        EXPECT_NE(topic.text.find(c.mentions), std::string::npos) << c.number << " " << c.mentions;
    }
}

// The English help keeps the topic numbers and names the English menu and buttons.
TEST(HelpTopics, TheEnglishHelpFileHasTheSameTopics) {
    const std::vector<HelpTopic> topics = ParseHelpTopics(ReadShippedHelp("pimmo-en.hlp"));
    const std::pair<int32_t, const char*> kCases[] = {{0, "Open Photo..."}, {0, "Hide Window Frame"},
                                                      {0, "Finish"},        {0, "house.exe"},
                                                      {100, "Change..."},   {100, "house /P"}};
    for (const auto& [number, mentions] : kCases) {
        EXPECT_EQ(FindHelpTopic(topics, number).number, number);
        EXPECT_NE(FindHelpTopic(topics, number).text.find(mentions), std::string::npos) << number << " " << mentions;
    }
}

}  // namespace
