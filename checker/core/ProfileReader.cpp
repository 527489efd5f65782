#include "checker/core/ProfileReader.h"

namespace Pruvo {

std::string ProfileReader::ReadListValue(std::string_view section, int index) const {
    // The keys are the runtime numbers in decimal, without leading zeros.
    return ReadString(section, std::to_string(index), "");
}

}  // namespace Pruvo
