#include "checker/core/ExecuteLink.h"

#include "checker/core/DllList.h"

namespace Pruvo {

ExecuteLink ParseExecuteLink(std::string_view value) {
    ExecuteLink link;
    const size_t comma = value.find(',');
    if (comma == std::string_view::npos) {
        link.target = value;
        return link;
    }
    link.copyFirst = true;
    link.source = value.substr(0, comma);
    link.target = TrimLeftBlanks(value.substr(comma + 1));
    return link;
}

}  // namespace Pruvo
