#include "app/main_pages.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>

#include "app/main_table_model.h"
#include "app/main_text_binding.h"
#include "eds/eds_document.h"

namespace corvane {

QFont MemoFont() {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(12);
  return font;
}

EdsPages::EdsPages(EdsDocument& document, QWidget* parent) : QTabWidget(parent) {
  setObjectName("PageControl1");
  StringGrid1 = AddGrid(document.FileSection, true, "File");
  StringGrid2 = AddGrid(document.DeviceSection, true, "Device");

  Memo5 = AddMemo("IO_Info");
  // One line per line of the block, without an empty line after the last.
  std::string_view ioInfo = EdsDocument::IoInfoText();
  ioInfo.remove_suffix(1);
  Memo5->setPlainText(QString::fromLatin1(ioInfo.data(), static_cast<qsizetype>(ioInfo.size())));
  Memo5->setEnabled(false);

  StringGrid4 = AddGrid(document.ParamClassSection, true, "ParamClass");
  StringGrid5 = AddGrid(document.ParamTable, false, "Params");
  addTab(new QWidget(this), "EnumPar");  // no enumerations are ever written
  StringGrid6 = AddGrid(document.GroupTable, true, "Groups");

  Memo4 = AddMemo("EDS");
  new EdsTextBinding(document.EdsText, *Memo4, Memo4);
}

QTableView* EdsPages::AddGrid(EdsTable& table, bool editable, const QString& caption) {
  auto* view = new QTableView(this);
  view->setObjectName(caption + "Grid");
  auto* model = new EdsTableModel(
      table, editable ? EdsTableModel::Editing::Editable : EdsTableModel::Editing::ReadOnly, view);
  view->setModel(model);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  if (!editable) view->setEditTriggers(QAbstractItemView::NoEditTriggers);

  QHeaderView& rows = *view->verticalHeader();
  rows.setSectionResizeMode(QHeaderView::Fixed);
  rows.setMinimumSectionSize(table.RowHeight());
  rows.setDefaultSectionSize(table.RowHeight());
  rows.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  rows.setFixedWidth(table.ColumnWidth(0));

  QHeaderView& columns = *view->horizontalHeader();
  columns.setFixedHeight(table.RowHeight());
  columns.setMinimumSectionSize(8);
  for (int column = 1; column < table.ColumnCount(); ++column) {
    view->setColumnWidth(column - 1, table.ColumnWidth(column));
  }
  addTab(view, caption);
  return view;
}

QPlainTextEdit* EdsPages::AddMemo(const QString& caption) {
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName(caption + "Memo");
  memo->setFont(MemoFont());
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  addTab(memo, caption);
  return memo;
}

}  // namespace corvane
