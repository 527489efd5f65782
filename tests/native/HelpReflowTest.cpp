#include <gtest/gtest.h>

#include "base/core/HelpReflow.h"

namespace {

TEST(HelpReflow, ParagraphsFlowHeadingsAndListsKeepTheirLines) {
    const struct {
        const char* text;
        const char* shown;
    } kCases[] = {
        {"小さなウィンド\nウです。", "小さなウィンドウです。"},
        {"■ 見出し\n本文の\n続き。\n\n次の段落", "■ 見出し\n本文の続き。\n\n次の段落"},
        {"手順:\n 1. 一つ目\n    続き\n 2. 二つ目\nおわり", "手順:\n 1. 一つ目\n    続き\n 2. 二つ目\nおわり"},
        {"・項目\n1. 番号\n- 線\n本文", "・項目\n1. 番号\n- 線\n本文"},
        {"Pimmo が使う\nWindows の\nhouse.exe", "Pimmo が使う Windows の house.exe"},
        {"表示します。\nPimmo は\n「名前」と\r\n(例)", "表示します。Pimmo は「名前」と (例)"},
        {"word\nword  \n\n", "word word\n\n"},
        {"　全角で字下げ\n1.5 倍", "　全角で字下げ\n1.5 倍"},
        {"", ""},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ReflowHelpText(c.text), c.shown) << c.text;
}

TEST(HelpReflow, FindGoesOnThroughTheFollowingPagesAndRound) {
    const std::vector<std::string> pages = {"Pimmo の写真", "ヘルプ pimmo /H", "写真"};
    const struct {
        const char* word;
        HelpPlace from;
        std::optional<HelpPlace> found;
    } kCases[] = {
        {"pimmo", {0, 0}, HelpPlace{0, 0}}, {"pimmo", {0, 1}, HelpPlace{1, 10}}, {"写真", {1, 0}, HelpPlace{2, 0}},
        {"写真", {2, 1}, HelpPlace{0, 9}},  {"PIMMO", {2, 0}, HelpPlace{0, 0}},  {"/h", {9, 99}, HelpPlace{1, 16}},
        {"ない", {0, 0}, std::nullopt},     {"", {0, 0}, std::nullopt},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(FindHelpWord(pages, c.word, c.from), c.found) << c.word << " " << c.from.page << ":" << c.from.offset;
}

}  // namespace
