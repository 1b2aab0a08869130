#include "eds/eds_table.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace corvane {

EdsTable::EdsTable(std::vector<int> columnWidths, int rowCount, int rowHeight)
    : columnWidths_(std::move(columnWidths)), rowHeight_(rowHeight) {
  if (columnWidths_.empty()) throw std::invalid_argument("An EDS table needs at least one column");
  if (rowCount < 1) throw std::invalid_argument("An EDS table needs its heading row");
  rows_.assign(static_cast<std::size_t>(rowCount), std::vector<std::string>(columnWidths_.size()));
}

void EdsTable::SetRowCount(int rowCount) {
  if (rowCount < 1) {
    throw std::invalid_argument("Row count " + std::to_string(rowCount) +
                                " would remove the heading row");
  }
  const int oldCount = RowCount();
  if (rowCount == oldCount) return;
  observers_.ForEach([&](TableObserver& o) { o.RowCountAboutToChange(oldCount, rowCount); });
  rows_.resize(static_cast<std::size_t>(rowCount), std::vector<std::string>(columnWidths_.size()));
  observers_.ForEach([&](TableObserver& o) { o.RowCountChanged(oldCount, rowCount); });
}

void EdsTable::CheckCell(int column, int row) const {
  if (column < 0 || column >= ColumnCount() || row < 0 || row >= RowCount()) {
    throw std::out_of_range("Cell (" + std::to_string(column) + ", " + std::to_string(row) +
                            ") lies outside a table of " + std::to_string(ColumnCount()) +
                            " columns and " + std::to_string(RowCount()) + " rows");
  }
}

const std::string& EdsTable::Cell(int column, int row) const {
  CheckCell(column, row);
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void EdsTable::SetCell(int column, int row, std::string text) {
  CheckCell(column, row);
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
  observers_.ForEach([&](TableObserver& o) { o.CellChanged(column, row); });
}

void EdsTable::ClearColumn(int column, int firstRow) {
  CheckCell(column, 0);
  observers_.ForEach([](TableObserver& o) { o.AboutToReset(); });
  for (std::size_t row = static_cast<std::size_t>(std::max(firstRow, 0)); row < rows_.size();
       ++row) {
    rows_[row][static_cast<std::size_t>(column)].clear();
  }
  observers_.ForEach([](TableObserver& o) { o.ResetDone(); });
}

int EdsTable::ColumnWidth(int column) const {
  CheckCell(column, 0);
  return columnWidths_[static_cast<std::size_t>(column)];
}

}  // namespace corvane
