#pragma once
// The fixed [IO_Info] block: one polled I/O connection of 4 input and 4 output
// bytes. The program never changes it; the writer copies it into every EDS.

#include <array>
#include <string_view>

namespace corvane {

inline constexpr std::size_t IoInfoLineCount = 19;

// The 19 lines without line ends. Comments start with "$" in column 57.
const std::array<std::string_view, IoInfoLineCount>& IoInfoLines();

// The whole block, every line ended by '\n'.
std::string_view IoInfoText();

}  // namespace corvane
