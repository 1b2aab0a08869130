#include "app/main_table_model.h"

#include <QSize>

namespace corvane {

namespace {

// Cells are single-byte text; Latin-1 maps bytes 0-255 one to one.
QString ToQt(const std::string& cell) {
  return QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));
}

}  // namespace

EdsTableModel::EdsTableModel(EdsTable& table, Editing editing, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      editing_(editing),
      subscription_(table.Subscribe(*this)) {}

int EdsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.RowCount() - 1;
}

int EdsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.ColumnCount() - 1;
}

QVariant EdsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return ToQt(table_.Cell(index.column() + 1, index.row() + 1));
}

QVariant EdsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const bool horizontal = orientation == Qt::Horizontal;
  const int column = horizontal ? section + 1 : 0;
  const int row = horizontal ? 0 : section + 1;
  if (column >= table_.ColumnCount() || row >= table_.RowCount() || section < 0) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(table_.Cell(column, row));
    case Qt::TextAlignmentRole:
      // The headings centre themselves with leading blanks.
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::SizeHintRole:
      return horizontal ? QSize(table_.ColumnWidth(column), table_.RowHeight())
                        : QSize(table_.ColumnWidth(0), table_.RowHeight());
    default:
      return {};
  }
}

Qt::ItemFlags EdsTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editing_ == Editing::Editable) f |= Qt::ItemIsEditable;
  return f;
}

bool EdsTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
    return false;
  }
  table_.SetCell(index.column() + 1, index.row() + 1, value.toString().toLatin1().toStdString());
  return true;  // the table's notification has told the views
}

void EdsTableModel::CellChanged(int column, int row) {
  if (row == 0 && column == 0) return;
  if (row == 0) {
    emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
  } else if (column == 0) {
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  } else {
    const QModelIndex cell = index(row - 1, column - 1);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
  }
}

void EdsTableModel::RowCountAboutToChange(int oldCount, int newCount) {
  if (newCount > oldCount) {
    beginInsertRows({}, oldCount - 1, newCount - 2);
  } else {
    beginRemoveRows({}, newCount - 1, oldCount - 2);
  }
}

void EdsTableModel::RowCountChanged(int oldCount, int newCount) {
  if (newCount > oldCount) {
    endInsertRows();
  } else {
    endRemoveRows();
  }
}

void EdsTableModel::ResetDone() {
  // Many cells changed but not the shape: repaint everything, keep the view's place.
  if (rowCount() > 0 && columnCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

}  // namespace corvane
