#pragma once
// The "ExecuteLink" value: what to start once every runtime is installed.
#include <string>
#include <string_view>

namespace Pruvo {

struct ExecuteLink {
    std::string source;  // file to copy onto target first; empty when nothing is copied
    std::string target;  // file to open through the shell
    bool copyFirst = false;
};

// "target" or "source,target": the source is the text before the first comma as it stands,
// the target the text after it without leading blanks.
ExecuteLink ParseExecuteLink(std::string_view value);

}  // namespace Pruvo
