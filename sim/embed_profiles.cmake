# Writes a C++ source that holds the built-in profile texts as byte arrays.
# Run as: cmake -DOUTPUT=<file.cpp> -DPROFILES=<a.profile;b.profile> -P embed_profiles.cmake

set(arrays "")
set(entries "")
set(index 0)
foreach(path IN LISTS PROFILES)
  get_filename_component(name "${path}" NAME_WE)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(([^,]*,){24})" "\\1\n" bytes "${bytes}")
  string(APPEND arrays "const unsigned char kProfile${index}[] = {\n${bytes}0};\n")
  string(APPEND entries "      {\"${name}\", Text(kProfile${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from sim/profiles by embed_profiles.cmake; do not edit.
#include \"sim/builtin_profile_data.h\"

#include <array>

namespace corvane::sim {
namespace {
${arrays}
std::string_view Text(const unsigned char* bytes, std::size_t size) {
  return {reinterpret_cast<const char*>(bytes), size};
}
}  // namespace

std::span<const BuiltinProfileText> BuiltinProfileTexts() {
  static const std::array<BuiltinProfileText, ${index}> kTexts{{
${entries}  }};
  return kTexts;
}

}  // namespace corvane::sim
")

file(WRITE "${OUTPUT}" "${content}")
