#include "eds/param_table.h"

#include <cstdio>

namespace corvane {

std::string ParamKeyword(std::uint32_t number) {
  return "Param" + std::to_string(number);
}

std::string ParamAddress(std::uint16_t number) {
  char text[6];
  std::snprintf(text, sizeof text, "%02X %02X", number & 0xFFu, (number >> 8) & 0xFFu);
  return text;
}

ParameterEntry ReadParameterEntry(const EdsTable& table, int row) {
  ParameterEntry entry;
  entry.Keyword = table.Cell(ParamColumn::Keyword, row);
  entry.Address = table.Cell(ParamColumn::Address, row);
  entry.Attribute = table.Cell(ParamColumn::Attribute, row);
  entry.Name = table.Cell(ParamColumn::Name, row);
  entry.Units = table.Cell(ParamColumn::Units, row);
  entry.Min = table.Cell(ParamColumn::Min, row);
  entry.Max = table.Cell(ParamColumn::Max, row);
  entry.Default = table.Cell(ParamColumn::Default, row);
  entry.Scale = table.Cell(ParamColumn::Scale, row);
  entry.Illegal = table.Cell(ParamColumn::Illegal, row);
  entry.Signed = table.Cell(ParamColumn::Signed, row);
  return entry;
}

void WriteParameterEntry(EdsTable& table, int row, const ParameterEntry& entry) {
  table.SetCell(ParamColumn::Keyword, row, entry.Keyword);
  table.SetCell(ParamColumn::Address, row, entry.Address);
  table.SetCell(ParamColumn::Attribute, row, entry.Attribute);
  table.SetCell(ParamColumn::Name, row, entry.Name);
  table.SetCell(ParamColumn::Units, row, entry.Units);
  table.SetCell(ParamColumn::Min, row, entry.Min);
  table.SetCell(ParamColumn::Max, row, entry.Max);
  table.SetCell(ParamColumn::Default, row, entry.Default);
  table.SetCell(ParamColumn::Scale, row, entry.Scale);
  table.SetCell(ParamColumn::Illegal, row, entry.Illegal);
  table.SetCell(ParamColumn::Signed, row, entry.Signed);
}

}  // namespace corvane
