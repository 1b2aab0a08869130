#include "sim/builtin_profiles.h"

#include <string_view>

#include "sim/builtin_profile_data.h"
#include "sim/profile_loader.h"

namespace corvane::sim {

std::vector<std::string> BuiltinProfileNames() {
  std::vector<std::string> names;
  for (const auto& entry : BuiltinProfileTexts()) names.emplace_back(entry.name);
  return names;
}

DriveProfile LoadBuiltinProfile(const std::string& name) {
  for (const auto& entry : BuiltinProfileTexts()) {
    if (entry.name == name) {
      return ParseProfile(entry.text, "built-in profile " + name, name);
    }
  }
  std::string known;
  for (const auto& entry : BuiltinProfileTexts()) {
    known += (known.empty() ? "" : ", ") + std::string(entry.name);
  }
  throw ProfileError(name, 0,
                     "no built-in profile of that name (built in: " + known +
                         "; for a profile file give its path, e.g. ./" + name + ".profile)");
}

DriveProfile LoadProfile(const std::string& nameOrPath) {
  for (const auto& entry : BuiltinProfileTexts()) {
    if (entry.name == nameOrPath) return LoadBuiltinProfile(nameOrPath);
  }
  // A bare word that is no built-in name is most likely a typo, not a file.
  if (nameOrPath.find('/') == std::string::npos && nameOrPath.find('.') == std::string::npos) {
    return LoadBuiltinProfile(nameOrPath);
  }
  return LoadProfileFile(nameOrPath);
}

}  // namespace corvane::sim
