#pragma once
#include <optional>
#include <string>

// The name of the logged-on user (UTF-8), or std::nullopt when the platform cannot tell it.
std::optional<std::string> CurrentUserName();
