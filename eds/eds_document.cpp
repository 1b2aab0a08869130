#include "eds/eds_document.h"

#include <initializer_list>
#include <string>

namespace corvane {

namespace {

// Each heading is padded with blanks so that it sits over the middle of its
// column; the blanks are part of the heading text.
const std::string KeywordValueHeading = std::string(20, ' ') + "Value";
const std::string KeywordDescriptionHeading = std::string(20, ' ') + "Description";

void SetKeywords(EdsTable& table, std::initializer_list<const char*> keywords) {
  table.SetCell(KeywordColumn::Value, 0, KeywordValueHeading);
  table.SetCell(KeywordColumn::Description, 0, KeywordDescriptionHeading);
  int row = 1;
  for (const char* keyword : keywords) table.SetCell(KeywordColumn::Keyword, row++, keyword);
}

void SetParamHeadings(EdsTable& table) {
  const std::initializer_list<std::pair<int, const char*>> headings = {
      {ParamColumn::Address, "Address"},
      {ParamColumn::Attribute, "Attribute"},
      {ParamColumn::Name, "Parameter Name"},
      {ParamColumn::Units, "Units"},
      {ParamColumn::Min, "Min"},
      {ParamColumn::Max, "Max"},
      {ParamColumn::Default, "Default"},
      {ParamColumn::Scale, "Scale"},
      {ParamColumn::Illegal, "Illegal"},
      {ParamColumn::Signed, "Signed"},
  };
  for (const auto& [column, heading] : headings) table.SetCell(column, 0, heading);
}

}  // namespace

EdsDocument::EdsDocument()
    : FileSection({81, 149, 185}, FileRow::Count),
      DeviceSection({81, 333, 185}, DeviceRow::Count),
      ParamClassSection({96, 149, 185}, ParamClassRow::Count),
      ParamTable({81, 62, 60, 160, 64, 64, 64, 64, 45, 19, 17, 47, 64}, 2),
      GroupTable({64, 245, 417}, 2) {
  SetKeywords(FileSection,
              {"DescText", "CreateDate", "CreateTime", "ModDate", "ModTime", "Revision"});
  SetKeywords(DeviceSection, {"VendCode", "VendName", "ProdType", "ProdTypeStr", "ProdCode",
                              "MajRev", "MinRev", "ProdName", "Catalog"});
  // 12 is the DeviceNet device type of a communications adapter.
  DeviceSection.SetCell(KeywordColumn::Value, DeviceRow::ProdType, "12");
  SetKeywords(ParamClassSection, {"MaxInst", "Descriptor", "CfgAssembly"});
  ParamClassSection.SetCell(KeywordColumn::Value, ParamClassRow::Descriptor, "03");
  ParamClassSection.SetCell(KeywordColumn::Value, ParamClassRow::CfgAssembly, "0");

  SetParamHeadings(ParamTable);

  GroupTable.SetCell(GroupColumn::Name, 0, std::string(33, ' ') + "Name");
  GroupTable.SetCell(GroupColumn::Params, 0, std::string(43, ' ') + "Parameter Number");
  GroupTable.SetCell(GroupColumn::Keyword, 1, "Group1");
}

void EdsDocument::ResetForReadOut() {
  EdsText.Clear();
  ParamTable.ClearColumn(ParamColumn::Illegal);
  ParamTable.SetRowCount(2);
  ParamCount = 0;
  GroupCount = 0;
  GroupParamCounts.fill(0);
}

void EdsDocument::ClearReadOutLists() {
  ParamTable.ClearColumn(ParamColumn::Signed);
  GroupTable.ClearColumn(GroupColumn::Params);
}

}  // namespace corvane
