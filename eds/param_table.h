#pragma once
// The [Params] grid: row n (from 1) is drive parameter n as one ParameterEntry
// of 13 text cells. Numbers are decimal text; the two marks hold YesMark or
// nothing.

#include <cstdint>
#include <string>
#include <string_view>

#include "eds/eds_table.h"

namespace corvane {

struct ParamColumn {
  static constexpr int Keyword = 0;    // "Param" + n
  static constexpr int Address = 1;    // instance n: low byte, blank, high byte
  static constexpr int Attribute = 2;  // EDS descriptor such as "0x64"
  static constexpr int Name = 3;
  static constexpr int Units = 4;
  static constexpr int Min = 5;
  static constexpr int Max = 6;
  static constexpr int Default = 7;
  static constexpr int Scale = 8;             // decimal places, "0" to "3"
  static constexpr int ReadOnlyPicture = 9;   // always empty; the view paints here
  static constexpr int DecimalsPicture = 10;  // always empty; the view paints here
  static constexpr int Illegal = 11;          // default outside minimum..maximum
  static constexpr int Signed = 12;           // signed 16-bit parameter
  static constexpr int Count = 13;
};

// "V" in Illegal or Signed means yes; anything else means no.
inline constexpr std::string_view YesMark = "V";
inline bool IsYesMark(std::string_view cell) {
  return cell == YesMark;
}

struct ParameterEntry {
  std::string Keyword;
  std::string Address;
  std::string Attribute;
  std::string Name;
  std::string Units;
  std::string Min;
  std::string Max;
  std::string Default;
  std::string Scale;
  std::string Illegal;
  std::string Signed;

  bool operator==(const ParameterEntry&) const = default;
};

// "Param12" for parameter 12.
std::string ParamKeyword(std::uint32_t number);
// The instance of parameter n in an EDS path: "2C 01" for 300.
std::string ParamAddress(std::uint16_t number);

// Row access in column terms; rows outside the table throw std::out_of_range.
ParameterEntry ReadParameterEntry(const EdsTable& table, int row);
void WriteParameterEntry(EdsTable& table, int row, const ParameterEntry& entry);

}  // namespace corvane
