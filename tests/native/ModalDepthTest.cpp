#include "widget/core/ModalDepth.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Steps: '[' a dialog opens, ']' it closes, 'u' the windows are unloaded. The answer of each
// ']' and 'u' in turn: 'E' the widget ends now, 'G' the windows go now, '-' nothing yet.
TEST(ModalDepth, TheWidgetEndsWhenTheLastDialogClosesAfterTheUnload) {
    const struct {
        const char* steps;
        const char* answers;
    } kCases[] = {
        {"u", "G"},        // closed with nothing open
        {"[]u", "-G"},     // a menu came and went first
        {"[u]", "-E"},     // the session ends inside a dialog
        {"[[u]]", "--E"},  // a message box over a dialog
        {"[u[]]", "--E"},  // the folder's message box inside the dialog after the unload
        {"[]", "-"},       // no unload: no end
    };
    for (const auto& c : kCases) {
        ModalDepth depth;
        std::string answers;
        for (const char* step = c.steps; *step; ++step) {
            if (*step == '[')
                depth.Enter();
            else if (*step == ']')
                answers += depth.Leave() ? 'E' : '-';
            else
                answers += depth.Unload() ? 'G' : '-';
        }
        EXPECT_EQ(answers, c.answers) << c.steps;
        EXPECT_EQ(depth.Unloaded(), std::string(c.steps).find('u') != std::string::npos) << c.steps;
    }
}

}  // namespace
