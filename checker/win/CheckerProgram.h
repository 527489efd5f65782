#pragma once
// The checker's current directory, where an installer medium puts its profile.
#include <string>

namespace Pruvo {

std::string CurrentDirectory();

}  // namespace Pruvo
