#include "eds/io_info_text.h"

#include <string>

namespace corvane {

// Kept as literal lines so the bytes can be read here exactly as they are
// written: line 2 is eight blanks, the "$ Name " comments end with a blank.
const std::array<std::string_view, IoInfoLineCount>& IoInfoLines() {
  static constexpr std::array<std::string_view, IoInfoLineCount> lines = {
      "        Default      = 0x0001;                          $ Poll Only",
      "        ",
      "        PollInfo     = 0x0001,                          $ Poll Only",
      "                            1,                          $ Default Input  = Input1",
      "                            1;                          $ Default Output = Output1",
      "",
      "        Input1       = 4,                               $ 4 bytes",
      "                       6,                               $ 6 bits are significant",
      "                       0x0001,                          $ Poll Only Connection",
      "                       \"Input Data & Output Status\",    $ Name ",
      "                       6, \"20 04 24 01 30 03\",          $ Assembly Object Instance 1",
      "                       \"\";                              $ Help",
      "",
      "        Output1      = 4,                               $ 4 bytes",
      "                       6,                               $ 6 bits are significant",
      "                       0x0001,                          $ Poll Only Connection",
      "                       \"Output Data\",                   $ Name ",
      "                       6, \"20 04 24 02 30 03\",          $ Assembly Object Instance 2",
      "                       \"\";                              $ Help",
  };
  return lines;
}

std::string_view IoInfoText() {
  static const std::string text = [] {
    std::string joined;
    for (std::string_view line : IoInfoLines()) {
      joined.append(line);
      joined.push_back('\n');
    }
    return joined;
  }();
  return text;
}

}  // namespace corvane
