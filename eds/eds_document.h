#pragma once
// Everything the program knows about the EDS it builds: the section grids, the
// fixed [IO_Info] block, the composed text and the read-out's counts. The main
// window's tabs are views of these parts; the read-out, the range check and the
// writer work on them directly.

#include <array>
#include <cstdint>
#include <string_view>

#include "eds/eds_table.h"
#include "eds/eds_text_buffer.h"
#include "eds/group_table.h"
#include "eds/io_info_text.h"
#include "eds/keyword_sections.h"
#include "eds/param_table.h"

namespace corvane {

class EdsDocument {
 public:
  // Headings, keywords and the preset values (ProdType "12", Descriptor "03",
  // CfgAssembly "0", "Group1"); ParamTable and GroupTable with one data row each.
  EdsDocument();
  EdsDocument(const EdsDocument&) = delete;
  EdsDocument& operator=(const EdsDocument&) = delete;

  EdsTable FileSection;
  EdsTable DeviceSection;
  EdsTable ParamClassSection;
  EdsTable ParamTable;
  EdsTable GroupTable;
  EdsTextBuffer EdsText;

  std::uint32_t ParamCount = 0;
  std::uint8_t GroupCount = 0;
  std::array<std::uint32_t, MaxGroups> GroupParamCounts{};

  static std::string_view IoInfoText() { return corvane::IoInfoText(); }

  // What Start resets, whether or not the read-out then runs: no EDS text, no
  // Illegal marks, one parameter row, zero counts. The keyword tables, the group
  // table and the other parameter cells stay until the read-out overwrites them.
  void ResetForReadOut();

  // What a read-out that really starts clears as well: the group lists, which it
  // appends to, and the Signed marks, which it only ever sets. Left alone by a
  // refused Start, so the user's edits survive it.
  void ClearReadOutLists();
};

}  // namespace corvane
