// Every dialog of an .rc file and of its English twin (*_en.rc) has the same controls: ids, classes
// and styles. Texts, font, layout and the reading order of a label and its field are each language's.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

namespace {

struct Dialogs {
    std::map<std::string, std::vector<std::string>> controls;  // each line without text, numbers, font, blanks
    std::map<std::string, std::string> texts;                  // "dialog/id" to the control's text
};

Dialogs ReadDialogs(const std::string& file) {
    // This file lies in tests/native of the source tree.
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../.." / file);
    EXPECT_TRUE(in.is_open()) << file;
    static const std::regex kDialog("^(\\w+) DIALOGEX"), kControl("^( +[A-Z]+ +|(EX)?STYLE )"),
        kText("^( +[A-Z]+ +)\"([^\"]*)\", *(\\w+)"), kLeftOut("\\b\\d+\\b|DS_SETFONT \\| |DS_SHELLFONT \\| |\\s");
    Dialogs dialogs;
    std::string dialog;
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, kDialog))
            dialog = match[1];
        else if (line.rfind("END", 0) == 0)
            dialog.clear();
        else if (!dialog.empty() && std::regex_search(line, kControl)) {
            if (std::regex_search(line, match, kText)) {
                dialogs.texts[dialog + "/" + match.str(3)] = match[2];
                line = match.str(1) + match.str(3) + match.suffix().str();
            }
            dialogs.controls[dialog].push_back(std::regex_replace(line, kLeftOut, ""));
        }
    }
    for (auto& [name, controls] : dialogs.controls)
        std::sort(controls.begin(), controls.end());
    return dialogs;
}

TEST(DialogTemplates, EveryDialogHasTheSameControlsInBothLanguages) {
    for (const std::string name :
         {"widget/win/pimmo", "manager/win/house", "checker/win/pruvo", "common/win/AboutBox", "base/win/HelpViewer"}) {
        const auto japanese = ReadDialogs(name + ".rc").controls;
        EXPECT_FALSE(japanese.empty()) << name;
        EXPECT_EQ(japanese, ReadDialogs(name + "_en.rc").controls) << name;
    }
}

TEST(DialogTemplates, TheJapaneseOptionsDialogCarriesItsLabels) {
    auto texts = ReadDialogs("widget/win/pimmo.rc").texts;
    const std::pair<const char*, const char*> kLabels[] = {
        {"IDC_PimmoFrame", "Pimmoについて"},
        {"IDC_DisplayFrame", "画面表示のオプション"},
        {"IDC_PimmoIsTopMost", "Pimmoの写真を常に最前面に表示する"},
        {"IDC_PimmoIsPhotoStretch", "Pimmoの写真を拡大縮小して表示する"},
        {"IDC_PictureFrame", "表示する写真"},
    };
    for (const auto& [id, label] : kLabels)
        EXPECT_EQ(texts[std::string("IDD_PimmoOptionDialog/") + id], label) << id;
}

}  // namespace
