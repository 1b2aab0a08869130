#include "sim/port_text.h"

namespace corvane::sim {

std::optional<std::string> ParseVirtualPortText(std::string_view text) {
  constexpr std::string_view kKeyword = "virtual";
  if (text == kKeyword) return std::string();
  if (text.size() > kKeyword.size() + 1 && text.starts_with(kKeyword) &&
      text[kKeyword.size()] == ':') {
    return std::string(text.substr(kKeyword.size() + 1));
  }
  return std::nullopt;
}

}  // namespace corvane::sim
