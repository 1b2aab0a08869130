#pragma once
// One grid of the EDS document: cells of single-byte text addressed (column, row)
// from 0, row 0 the heading row and column 0 the keyword column. Views bind to
// it through a TableObserver; the table is the only copy of the cells.

#include <cstddef>
#include <string>
#include <vector>

#include "eds/subscription.h"

namespace corvane {

// Every grid of the document uses the grid default of 24 pixels per row.
inline constexpr int DefaultRowHeight = 24;

class TableObserver {
 public:
  virtual void CellChanged(int column, int row) = 0;
  // Bracket a row-count change: rows are added at or cut from the end.
  virtual void RowCountAboutToChange(int oldCount, int newCount) = 0;
  virtual void RowCountChanged(int oldCount, int newCount) = 0;
  // Bracket a change of many cells at once (no row-count change inside).
  virtual void AboutToReset() = 0;
  virtual void ResetDone() = 0;

 protected:
  ~TableObserver() = default;
};

class EdsTable {
 public:
  // One column per width (pixels, for the views); rowCount includes the heading row.
  EdsTable(std::vector<int> columnWidths, int rowCount, int rowHeight = DefaultRowHeight);
  EdsTable(const EdsTable&) = delete;
  EdsTable& operator=(const EdsTable&) = delete;

  int ColumnCount() const { return static_cast<int>(columnWidths_.size()); }
  int RowCount() const { return static_cast<int>(rows_.size()); }

  // Growing adds empty rows at the end; shrinking drops the cut rows with their
  // cells, so nothing of them comes back when the table grows again. The heading
  // row always stays: a count below 1 throws std::invalid_argument.
  void SetRowCount(int rowCount);

  // Both throw std::out_of_range for a cell outside the table.
  const std::string& Cell(int column, int row) const;
  void SetCell(int column, int row, std::string text);

  // Empties one column in rows firstRow to the last row (one reset for views).
  void ClearColumn(int column, int firstRow = 1);

  int ColumnWidth(int column) const;
  const std::vector<int>& ColumnWidths() const { return columnWidths_; }
  int RowHeight() const { return rowHeight_; }

  Subscription Subscribe(TableObserver& observer) { return observers_.Add(observer); }

 private:
  void CheckCell(int column, int row) const;

  std::vector<int> columnWidths_;
  int rowHeight_;
  std::vector<std::vector<std::string>> rows_;
  ObserverList<TableObserver> observers_;
};

}  // namespace corvane
