#pragma once
// The three keyword tables of the EDS ([File], [Device], [ParamClass]): column 0
// the keyword, column 1 the value, column 2 a description nobody fills or writes.

namespace corvane {

struct KeywordColumn {
  static constexpr int Keyword = 0;
  static constexpr int Value = 1;
  static constexpr int Description = 2;
};

struct FileRow {
  static constexpr int DescText = 1;
  static constexpr int CreateDate = 2;
  static constexpr int CreateTime = 3;
  static constexpr int ModDate = 4;
  static constexpr int ModTime = 5;
  static constexpr int Revision = 6;
  static constexpr int Count = 7;  // with the heading row
};

struct DeviceRow {
  static constexpr int VendCode = 1;
  static constexpr int VendName = 2;
  static constexpr int ProdType = 3;
  static constexpr int ProdTypeStr = 4;
  static constexpr int ProdCode = 5;
  static constexpr int MajRev = 6;
  static constexpr int MinRev = 7;
  static constexpr int ProdName = 8;
  static constexpr int Catalog = 9;
  static constexpr int Count = 10;
};

struct ParamClassRow {
  static constexpr int MaxInst = 1;
  static constexpr int Descriptor = 2;
  static constexpr int CfgAssembly = 3;
  static constexpr int Count = 4;
};

}  // namespace corvane
