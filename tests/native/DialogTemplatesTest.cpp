// Every dialog of an .rc file and of its English twin (*_en.rc) has the same controls: ids, classes
// and styles; only texts, font, layout and the reading order of a label and its field differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

struct Control {
    std::string text;
    std::vector<std::string> shape;  // keyword, id, class, style flags: what both languages share
};
using Dialogs = std::map<std::string, std::vector<Control>>;

// The comma-separated arguments of a line, a quoted text kept whole ("" inside it stays).
std::vector<std::string> Arguments(const std::string& line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted)
            out.emplace_back();
        else
            out.back() += c;
    }
    static const std::regex kBlanks("^\\s+|\\s+$");
    for (std::string& argument : out)
        argument = std::regex_replace(argument, kBlanks, "");
    return out;
}

// Style flags as a sorted set; the font flags go with FONT, which each language chooses.
std::string Flags(const std::string& argument) {
    std::set<std::string> flags;
    static const std::regex kBar("\\|");
    for (const std::string& flag : Arguments(std::regex_replace(argument, kBar, ",")))
        if (flag != "DS_SETFONT" && flag != "DS_SHELLFONT")
            flags.insert(flag);
    std::string out;
    for (const std::string& flag : flags)
        out += flag + " ";
    return out;
}

Dialogs ReadDialogs(const char* file) {
    // This file lies in tests/native of the source tree.
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../.." / file);
    EXPECT_TRUE(in.is_open()) << file;
    Dialogs dialogs;
    std::vector<Control>* dialog = nullptr;
    static const std::regex kDialog("^(\\w+) DIALOGEX"), kStyle("^(STYLE|EXSTYLE) (.*)"), kLine("^ +([A-Z]+) +(.*)"),
        kNumber("-?\\d+");
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, kDialog))
            dialog = &dialogs[match[1]];
        else if (line.rfind("END", 0) == 0)
            dialog = nullptr;
        else if (dialog && std::regex_search(line, match, kStyle))
            dialog->push_back({"", {match[1], Flags(match[2])}});
        else if (dialog && std::regex_search(line, match, kLine)) {
            Control control{"", {match[1]}};
            for (const std::string& argument : Arguments(match[2]))
                if (argument.front() == '"' && control.shape.size() == 1 && control.text.empty())
                    control.text = argument.substr(1, argument.size() - 2);
                else if (!std::regex_match(argument, kNumber))
                    control.shape.push_back(argument.front() == '"' ? argument : Flags(argument));
            dialog->push_back(control);
        }
    }
    return dialogs;
}

const char* const kTemplates[] = {"widget/win/pimmo", "manager/win/house", "checker/win/pruvo", "common/win/AboutBox",
                                  "base/win/HelpViewer"};

TEST(DialogTemplates, EveryDialogHasTheSameControlsInBothLanguages) {
    for (const std::string name : kTemplates) {
        const Dialogs japanese = ReadDialogs((name + ".rc").c_str());
        const Dialogs english = ReadDialogs((name + "_en.rc").c_str());
        EXPECT_FALSE(japanese.empty()) << name;
        ASSERT_EQ(japanese.size(), english.size()) << name;
        for (const auto& [dialog, controls] : japanese) {
            ASSERT_EQ(english.count(dialog), 1u) << name << " " << dialog;
            std::vector<std::vector<std::string>> shapes[2];
            for (const Control& control : controls)
                shapes[0].push_back(control.shape);
            for (const Control& control : english.at(dialog))
                shapes[1].push_back(control.shape);
            std::sort(shapes[0].begin(), shapes[0].end());
            std::sort(shapes[1].begin(), shapes[1].end());
            EXPECT_EQ(shapes[0], shapes[1]) << name << " " << dialog;
        }
    }
}

TEST(DialogTemplates, TheJapaneseOptionsDialogCarriesItsLabels) {
    const std::vector<Control> controls = ReadDialogs("widget/win/pimmo.rc").at("IDD_PimmoOptionDialog");
    const std::pair<const char*, const char*> kLabels[] = {
        {"IDC_PimmoFrame", "Pimmoについて"},
        {"IDC_DisplayFrame", "画面表示のオプション"},
        {"IDC_PimmoIsTopMost", "Pimmoの写真を常に最前面に表示する"},
        {"IDC_PimmoIsPhotoStretch", "Pimmoの写真を拡大縮小して表示する"},
        {"IDC_PictureFrame", "表示する写真"},
    };
    for (const auto& [id, label] : kLabels) {
        std::string text = "(no control)";
        for (const Control& control : controls)
            if (control.shape.size() > 1 && control.shape[1] == std::string(id) + " ")
                text = control.text;
        EXPECT_EQ(text, label) << id;
    }
}

}  // namespace
