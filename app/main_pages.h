#pragma once
// The main window's tabbed view of the EdsDocument: one page per EDS section,
// each grid and text box bound to its part of the document.

#include <QTabWidget>

class QPlainTextEdit;
class QTableView;

namespace corvane {

class EdsDocument;
class EdsTable;
class EdsTextBinding;

// Page order of PageControl1.
enum class MainPage { File, Device, IoInfo, ParamClass, Params, EnumPar, Groups, Eds };

class EdsPages : public QTabWidget {
  Q_OBJECT

 public:
  EdsPages(EdsDocument& document, QWidget* parent = nullptr);

  void ShowPage(MainPage page) { setCurrentIndex(static_cast<int>(page)); }
  MainPage CurrentPage() const { return static_cast<MainPage>(currentIndex()); }

  QTableView* StringGrid1 = nullptr;  // File
  QTableView* StringGrid2 = nullptr;  // Device
  QPlainTextEdit* Memo5 = nullptr;    // IO_Info, disabled
  QTableView* StringGrid4 = nullptr;  // ParamClass
  QTableView* StringGrid5 = nullptr;  // Params, read-only
  QTableView* StringGrid6 = nullptr;  // Groups
  QPlainTextEdit* Memo4 = nullptr;    // EDS, editable

 private:
  QTableView* AddGrid(EdsTable& table, bool editable, const QString& caption);
  QPlainTextEdit* AddMemo(const QString& caption);
};

// The 12-pixel monospace type of the two text pages.
QFont MemoFont();

}  // namespace corvane
