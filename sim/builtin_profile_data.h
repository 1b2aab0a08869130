#pragma once
// The texts of the built-in profiles; the definition is generated into the build
// folder from sim/profiles/*.profile.

#include <span>
#include <string_view>

namespace corvane::sim {

struct BuiltinProfileText {
  std::string_view name;
  std::string_view text;
};

std::span<const BuiltinProfileText> BuiltinProfileTexts();

}  // namespace corvane::sim
