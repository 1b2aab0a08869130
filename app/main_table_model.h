#pragma once
// A Qt model over one grid of the EdsDocument. The heading row and the keyword
// column become the view's headers, so they stay in place while the data
// scrolls and can never be edited; model cell (r, c) is table cell (c + 1, r + 1).

#include <QAbstractTableModel>

#include "eds/eds_table.h"

namespace corvane {

class EdsTableModel : public QAbstractTableModel, private TableObserver {
  Q_OBJECT

 public:
  enum class Editing { ReadOnly, Editable };

  EdsTableModel(EdsTable& table, Editing editing, QObject* parent = nullptr);

  EdsTable& Table() const { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  void CellChanged(int column, int row) override;
  void RowCountAboutToChange(int oldCount, int newCount) override;
  void RowCountChanged(int oldCount, int newCount) override;
  void AboutToReset() override {}
  void ResetDone() override;

  EdsTable& table_;
  Editing editing_;
  Subscription subscription_;
};

}  // namespace corvane
