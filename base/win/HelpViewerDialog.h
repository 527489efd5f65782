#pragma once
// The help viewer's window: the file's topics in a list, the chosen topic's text flowed to the
// window's width, and a find field. It can be resized and maximised.
#include <string>
#include <vector>

#include "base/core/HelpTopics.h"
#include "base/win/Dialog.h"

class HelpViewerDialog : public Dialog {
public:
    // caption stands for a topic without a title; first is the topic shown first.
    HelpViewerDialog(std::string caption, const std::vector<HelpTopic>& topics, size_t first);

private:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void ShowPage(size_t page);
    void FocusFind();
    void FindNext();
    void Layout();
    bool HasTopicList() const { return m_pages.size() > 1; }

    std::string m_caption;
    const std::vector<HelpTopic>& m_topics;
    std::vector<std::string> m_pages;  // each topic's text as shown, UTF-8
    size_t m_page = 0;
    SIZE m_initialSize{};
};
