#include "eds/eds_document.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace corvane {
namespace {

std::string Blanks(std::size_t count) {
  return std::string(count, ' ');
}

// A line of the [IO_Info] block built the way it is laid out: blanks, the text,
// blanks up to column 56, the comment from column 57.
std::string IoLine(std::size_t blanks, const std::string& text, const std::string& comment) {
  std::string line = Blanks(blanks) + text;
  line.resize(56, ' ');
  return line + comment;
}

TEST(EdsDocument, FreshDocumentHoldsKeywordsAndPresets) {
  EdsDocument doc;
  struct Case {
    const EdsTable* table;
    int row;
    const char* keyword;
    const char* value;
  };
  const std::vector<Case> cases = {
      {&doc.FileSection, FileRow::DescText, "DescText", ""},
      {&doc.FileSection, FileRow::CreateDate, "CreateDate", ""},
      {&doc.FileSection, FileRow::CreateTime, "CreateTime", ""},
      {&doc.FileSection, FileRow::ModDate, "ModDate", ""},
      {&doc.FileSection, FileRow::ModTime, "ModTime", ""},
      {&doc.FileSection, FileRow::Revision, "Revision", ""},
      {&doc.DeviceSection, DeviceRow::VendCode, "VendCode", ""},
      {&doc.DeviceSection, DeviceRow::VendName, "VendName", ""},
      {&doc.DeviceSection, DeviceRow::ProdType, "ProdType", "12"},
      {&doc.DeviceSection, DeviceRow::ProdTypeStr, "ProdTypeStr", ""},
      {&doc.DeviceSection, DeviceRow::ProdCode, "ProdCode", ""},
      {&doc.DeviceSection, DeviceRow::MajRev, "MajRev", ""},
      {&doc.DeviceSection, DeviceRow::MinRev, "MinRev", ""},
      {&doc.DeviceSection, DeviceRow::ProdName, "ProdName", ""},
      {&doc.DeviceSection, DeviceRow::Catalog, "Catalog", ""},
      {&doc.ParamClassSection, ParamClassRow::MaxInst, "MaxInst", ""},
      {&doc.ParamClassSection, ParamClassRow::Descriptor, "Descriptor", "03"},
      {&doc.ParamClassSection, ParamClassRow::CfgAssembly, "CfgAssembly", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.table->Cell(KeywordColumn::Keyword, c.row), c.keyword);
    EXPECT_EQ(c.table->Cell(KeywordColumn::Value, c.row), c.value) << c.keyword;
    EXPECT_EQ(c.table->Cell(KeywordColumn::Description, c.row), "") << c.keyword;
  }
  EXPECT_EQ(doc.FileSection.RowCount(), 7);
  EXPECT_EQ(doc.DeviceSection.RowCount(), 10);
  EXPECT_EQ(doc.ParamClassSection.RowCount(), 4);

  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Keyword, 1), "Group1");
  EXPECT_EQ(doc.ParamTable.RowCount(), 2);
  EXPECT_EQ(doc.GroupTable.RowCount(), 2);
  EXPECT_TRUE(doc.EdsText.Empty());
  EXPECT_EQ(doc.ParamCount, 0u);
  EXPECT_EQ(doc.GroupCount, 0u);
  for (std::uint32_t count : doc.GroupParamCounts) EXPECT_EQ(count, 0u);
}

TEST(EdsDocument, HeadingsCarryTheirLeadingBlanks) {
  EdsDocument doc;
  for (const EdsTable* table : {&doc.FileSection, &doc.DeviceSection, &doc.ParamClassSection}) {
    EXPECT_EQ(table->Cell(0, 0), "");
    EXPECT_EQ(table->Cell(1, 0), Blanks(20) + "Value");
    EXPECT_EQ(table->Cell(2, 0), Blanks(20) + "Description");
  }
  EXPECT_EQ(doc.GroupTable.Cell(0, 0), "");
  EXPECT_EQ(doc.GroupTable.Cell(1, 0), Blanks(33) + "Name");
  EXPECT_EQ(doc.GroupTable.Cell(2, 0), Blanks(43) + "Parameter Number");

  const std::vector<std::string> paramHeadings = {
      "",      "Address", "Attribute", "Parameter Name", "Units", "Min", "Max", "Default",
      "Scale", "",        "",          "Illegal",        "Signed"};
  ASSERT_EQ(doc.ParamTable.ColumnCount(), ParamColumn::Count);
  for (int column = 0; column < ParamColumn::Count; ++column) {
    EXPECT_EQ(doc.ParamTable.Cell(column, 0), paramHeadings[column]) << "column " << column;
  }
}

TEST(EdsDocument, ColumnWidthsAndRowHeightsForTheViews) {
  EdsDocument doc;
  EXPECT_EQ(doc.FileSection.ColumnWidths(), (std::vector<int>{81, 149, 185}));
  EXPECT_EQ(doc.DeviceSection.ColumnWidths(), (std::vector<int>{81, 333, 185}));
  EXPECT_EQ(doc.ParamClassSection.ColumnWidths(), (std::vector<int>{96, 149, 185}));
  EXPECT_EQ(doc.ParamTable.ColumnWidths(),
            (std::vector<int>{81, 62, 60, 160, 64, 64, 64, 64, 45, 19, 17, 47, 64}));
  EXPECT_EQ(doc.GroupTable.ColumnWidths(), (std::vector<int>{64, 245, 417}));
  EXPECT_EQ(doc.FileSection.RowHeight(), 24);
  EXPECT_EQ(doc.GroupTable.RowHeight(), 24);
}

TEST(EdsDocument, IoInfoIsTheFixedNineteenLineBlock) {
  const std::vector<std::string> expected = {
      IoLine(8, "Default      = 0x0001;", "$ Poll Only"),
      Blanks(8),
      IoLine(8, "PollInfo     = 0x0001,", "$ Poll Only"),
      IoLine(28, "1,", "$ Default Input  = Input1"),
      IoLine(28, "1;", "$ Default Output = Output1"),
      "",
      IoLine(8, "Input1       = 4,", "$ 4 bytes"),
      IoLine(23, "6,", "$ 6 bits are significant"),
      IoLine(23, "0x0001,", "$ Poll Only Connection"),
      IoLine(23, "\"Input Data & Output Status\",", "$ Name "),
      IoLine(23, "6, \"20 04 24 01 30 03\",", "$ Assembly Object Instance 1"),
      IoLine(23, "\"\";", "$ Help"),
      "",
      IoLine(8, "Output1      = 4,", "$ 4 bytes"),
      IoLine(23, "6,", "$ 6 bits are significant"),
      IoLine(23, "0x0001,", "$ Poll Only Connection"),
      IoLine(23, "\"Output Data\",", "$ Name "),
      IoLine(23, "6, \"20 04 24 02 30 03\",", "$ Assembly Object Instance 2"),
      IoLine(23, "\"\";", "$ Help"),
  };
  std::string joined;
  for (const std::string& line : expected) joined += line + "\n";
  EXPECT_EQ(EdsDocument::IoInfoText(), joined);

  // Spot-check the layout rule itself on one line, byte by byte.
  const std::string_view line1 = IoInfoLines()[0];
  EXPECT_EQ(line1.find('$'), 56u);  // column 57
  EXPECT_EQ(line1.substr(0, 8), Blanks(8));
  EXPECT_EQ(line1.back(), 'y');
  EXPECT_EQ(IoInfoLines()[9].back(), ' ');  // "$ Name " keeps its blank
}

TEST(EdsDocument, ReadOutStartClearsWhatTheReadOutRefillsAndKeepsTheRest) {
  EdsDocument doc;
  doc.EdsText.AppendLine("[File]");
  doc.FileSection.SetCell(KeywordColumn::Value, FileRow::DescText, "Drive");
  doc.ParamTable.SetRowCount(4);
  for (int row = 1; row < 4; ++row) {
    doc.ParamTable.SetCell(ParamColumn::Keyword, row, ParamKeyword(static_cast<unsigned>(row)));
    doc.ParamTable.SetCell(ParamColumn::Name, row, "Name" + std::to_string(row));
    doc.ParamTable.SetCell(ParamColumn::Illegal, row, "V");
    doc.ParamTable.SetCell(ParamColumn::Signed, row, "V");
  }
  doc.GroupTable.SetRowCount(3);
  doc.GroupTable.SetCell(GroupColumn::Name, 1, "Basic");
  doc.GroupTable.SetCell(GroupColumn::Params, 1, "1, 2;");
  doc.GroupTable.SetCell(GroupColumn::Params, 2, "3;");
  doc.ParamCount = 3;
  doc.GroupCount = 2;
  doc.GroupParamCounts[0] = 2;
  doc.GroupParamCounts[19] = 1;

  doc.ResetForReadOut();

  EXPECT_TRUE(doc.EdsText.Empty());
  EXPECT_EQ(doc.ParamTable.RowCount(), 2);
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Illegal, 1), "");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Signed, 1), "V") << "kept by a refused Start";
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Params, 1), "1, 2;") << "kept by a refused Start";
  doc.ClearReadOutLists();  // the read-out really starts
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Signed, 1), "");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Illegal, 0), "Illegal");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Name, 1), "Name1");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Params, 1), "");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Params, 2), "");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Params, 0), Blanks(43) + "Parameter Number");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Name, 1), "Basic");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Keyword, 1), "Group1");
  EXPECT_EQ(doc.FileSection.Cell(KeywordColumn::Value, FileRow::DescText), "Drive");
  EXPECT_EQ(doc.ParamCount, 0u);
  EXPECT_EQ(doc.GroupCount, 0u);
  for (std::uint32_t count : doc.GroupParamCounts) EXPECT_EQ(count, 0u);

  // Marks of the cut rows do not come back when the next read-out grows the table.
  doc.ParamTable.SetRowCount(4);
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Signed, 3), "");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Illegal, 3), "");
}

TEST(ParamTable, KeywordAndAddressOfParameterN) {
  struct Case {
    std::uint16_t number;
    const char* keyword;
    const char* address;
  };
  for (Case c : {Case{1, "Param1", "01 00"}, Case{12, "Param12", "0C 00"},
                 Case{300, "Param300", "2C 01"}, Case{65535, "Param65535", "FF FF"}}) {
    EXPECT_EQ(ParamKeyword(c.number), c.keyword);
    EXPECT_EQ(ParamAddress(c.number), c.address);
  }
}

TEST(ParamTable, EntryRoundTripsThroughTheColumnsAndLeavesPictureColumnsEmpty) {
  EdsDocument doc;
  doc.ParamTable.SetRowCount(301);
  const ParameterEntry entry{"Param300", "2C 01", "0x64", "Speed Limit", "Hz", "0", "600", "60",
                             "1",        "",      "V"};
  WriteParameterEntry(doc.ParamTable, 300, entry);
  EXPECT_EQ(ReadParameterEntry(doc.ParamTable, 300), entry);
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Keyword, 300), "Param300");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Address, 300), "2C 01");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Signed, 300), "V");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::ReadOnlyPicture, 300), "");
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::DecimalsPicture, 300), "");
  EXPECT_THROW(ReadParameterEntry(doc.ParamTable, 301), std::out_of_range);
}

TEST(ParamTable, OnlyTheExactYesMarkCountsAsYes) {
  EXPECT_TRUE(IsYesMark("V"));
  for (const char* no : {"", "v", "V ", "Y", "VV"}) EXPECT_FALSE(IsYesMark(no)) << no;
}

}  // namespace
}  // namespace corvane
