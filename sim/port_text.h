#pragma once
// Recognises the port texts that stand for the in-process virtual drive.

#include <optional>
#include <string>
#include <string_view>

namespace corvane::sim {

// "virtual" gives an empty text (the default profile), "virtual:PROFILE" gives
// PROFILE (a built-in name or a profile file's path); any other text, "virtual:"
// with nothing after the colon included, is no virtual port and gives nullopt.
std::optional<std::string> ParseVirtualPortText(std::string_view text);

}  // namespace corvane::sim
