#pragma once
// The profiles built into the program (sim/profiles/*.profile, embedded at build
// time) and the lookup that also accepts a profile file of the user's own.

#include <string>
#include <vector>

#include "sim/profile.h"

namespace corvane::sim {

// The profile a plain "virtual" port uses.
inline constexpr const char* kDefaultProfileName = "qdr-w";

std::vector<std::string> BuiltinProfileNames();

// Throws ProfileError when no built-in profile has that name.
DriveProfile LoadBuiltinProfile(const std::string& name);

// A built-in name, or else the path of a profile file.
DriveProfile LoadProfile(const std::string& nameOrPath);

}  // namespace corvane::sim
