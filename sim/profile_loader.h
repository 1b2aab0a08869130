#pragma once
// Reads a virtual drive profile from its text form (see sim/profiles/README.md).
// Every error names the source, the line and what is wrong.

#include <stdexcept>
#include <string>
#include <string_view>

#include "sim/profile.h"

namespace corvane::sim {

class ProfileError : public std::runtime_error {
 public:
  // line 0: the error concerns the whole source (e.g. it cannot be read).
  ProfileError(const std::string& source, int line, const std::string& what);
  const std::string& Source() const { return source_; }
  int Line() const { return line_; }

 private:
  std::string source_;
  int line_;
};

// source names the text in messages; name becomes DriveProfile::name.
DriveProfile ParseProfile(std::string_view text, const std::string& source,
                          const std::string& name);

// The profile's name is the file name without folder and extension.
DriveProfile LoadProfileFile(const std::string& path);

}  // namespace corvane::sim
