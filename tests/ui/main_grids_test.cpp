#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include <string>

#include "app/main_pages.h"
#include "app/main_table_model.h"
#include "main_form_fixture.h"

namespace corvane::testing {
namespace {

std::string ToBytes(const QString& text) {
  return text.toLatin1().toStdString();
}

struct Grid {
  const char* name;
  QTableView* view;
  EdsTable* table;
  bool editable;
};

class MainGridsTest : public MainFormTest {
 protected:
  std::vector<Grid> Grids() {
    EdsPages& pages = form->PageControl1();
    EdsDocument& doc = form->Document();
    return {{"File", pages.StringGrid1, &doc.FileSection, true},
            {"Device", pages.StringGrid2, &doc.DeviceSection, true},
            {"ParamClass", pages.StringGrid4, &doc.ParamClassSection, true},
            {"Params", pages.StringGrid5, &doc.ParamTable, false},
            {"Groups", pages.StringGrid6, &doc.GroupTable, true}};
  }
};

TEST_F(MainGridsTest, HeadingRowAndKeywordColumnAreHeadersAndDataCellsFollowThePolicy) {
  for (const Grid& g : Grids()) {
    QAbstractItemModel& model = *g.view->model();
    ASSERT_EQ(model.rowCount(), g.table->RowCount() - 1) << g.name;
    ASSERT_EQ(model.columnCount(), g.table->ColumnCount() - 1) << g.name;
    for (int column = 1; column < g.table->ColumnCount(); ++column) {
      EXPECT_EQ(ToBytes(model.headerData(column - 1, Qt::Horizontal).toString()),
                g.table->Cell(column, 0));
      EXPECT_EQ(g.view->columnWidth(column - 1), g.table->ColumnWidth(column)) << g.name;
    }
    EXPECT_EQ(g.view->verticalHeader()->width(), g.table->ColumnWidth(0)) << g.name;
    for (int row = 1; row < g.table->RowCount(); ++row) {
      EXPECT_EQ(ToBytes(model.headerData(row - 1, Qt::Vertical).toString()), g.table->Cell(0, row));
      for (int column = 1; column < g.table->ColumnCount(); ++column) {
        const QModelIndex index = model.index(row - 1, column - 1);
        EXPECT_EQ(bool(model.flags(index) & Qt::ItemIsEditable), g.editable) << g.name;
        EXPECT_EQ(model.setData(index, "typed", Qt::EditRole), g.editable) << g.name;
      }
    }
  }
  EXPECT_EQ(form->PageControl1().StringGrid5->editTriggers(), QAbstractItemView::NoEditTriggers);
  // The read-only grid kept its (empty) cell.
  EXPECT_EQ(form->Document().ParamTable.Cell(ParamColumn::Name, 1), "");
}

TEST_F(MainGridsTest, TypingIntoAGridCellWritesTheDocument) {
  form->show();
  form->PageControl1().ShowPage(MainPage::Device);
  QTableView& view = *form->PageControl1().StringGrid2;
  const QModelIndex value = view.model()->index(DeviceRow::ProdType - 1, KeywordColumn::Value - 1);
  view.setCurrentIndex(value);
  view.edit(value);
  auto* editor = view.viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "Caf");
  editor->insert(QString::fromLatin1("\xE9"));  // a Latin-1 byte survives
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the delegate commits through a queued call
  EXPECT_EQ(form->Document().DeviceSection.Cell(KeywordColumn::Value, DeviceRow::ProdType),
            "Caf\xE9");
}

TEST_F(MainGridsTest, GridsFollowDocumentChangesMadeByTheReadOut) {
  EdsTable& params = form->Document().ParamTable;
  QAbstractItemModel& model = *form->PageControl1().StringGrid5->model();
  params.SetRowCount(301);
  params.SetCell(ParamColumn::Keyword, 300, ParamKeyword(300));
  params.SetCell(ParamColumn::Address, 300, ParamAddress(300));
  params.SetCell(ParamColumn::Illegal, 1, "V");
  EXPECT_EQ(model.rowCount(), 300);
  EXPECT_EQ(model.headerData(299, Qt::Vertical).toString(), "Param300");
  EXPECT_EQ(model.index(299, ParamColumn::Address - 1).data().toString(), "2C 01");

  form->Document().ResetForReadOut();
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.index(0, ParamColumn::Illegal - 1).data().toString(), "");
}

TEST_F(MainGridsTest, IoInfoPageIsDisabledAndShowsTheFixedBlock) {
  QPlainTextEdit& memo = *form->PageControl1().Memo5;
  EXPECT_FALSE(memo.isEnabled());
  EXPECT_EQ(ToBytes(memo.toPlainText()) + "\n", EdsDocument::IoInfoText());
  EXPECT_TRUE(memo.font().fixedPitch());
  EXPECT_EQ(memo.font().pixelSize(), 12);
}

TEST_F(MainGridsTest, EdsPageShowsTheComposedTextAndTypingReachesTheDocument) {
  form->show();
  form->PageControl1().ShowPage(MainPage::Eds);
  QPlainTextEdit& memo = *form->PageControl1().Memo4;
  EdsTextBuffer& text = form->Document().EdsText;
  EXPECT_TRUE(memo.isEnabled());
  EXPECT_FALSE(memo.isReadOnly());
  EXPECT_EQ(memo.font().pixelSize(), 12);

  text.AppendLine("[File]");
  text.AppendLine("        DescText     = \"Drive\";");
  EXPECT_EQ(ToBytes(memo.toPlainText()), text.Text());

  // Type at the end, break a line in the middle, delete a character.
  memo.moveCursor(QTextCursor::End);
  QTest::keyClicks(&memo, "[Device]");
  QTextCursor cursor = memo.textCursor();
  cursor.setPosition(3);
  memo.setTextCursor(cursor);
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClick(&memo, Qt::Key_Delete);
  EXPECT_EQ(text.Text(), "[Fi\ne]\n        DescText     = \"Drive\";\n[Device]");
  EXPECT_EQ(ToBytes(memo.toPlainText()), text.Text());

  // Select all and replace; then the program clears it for a new read-out.
  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&memo, "x");
  EXPECT_EQ(text.Text(), "x");
  form->Document().ResetForReadOut();
  EXPECT_TRUE(memo.toPlainText().isEmpty());
  text.AppendBlock(EdsDocument::IoInfoText());
  EXPECT_EQ(ToBytes(memo.toPlainText()), text.Text());
}

TEST_F(MainGridsTest, EditorWholeTextReplacementsKeepTheDocumentExact) {
  // Qt counts the editor's final separator in whole-text changes; the document
  // must still get exactly the editor's text.
  QPlainTextEdit& memo = *form->PageControl1().Memo4;
  EdsTextBuffer& text = form->Document().EdsText;
  for (const char* replacement : {"c", "xyz\nline two", "", "[File]\n"}) {
    memo.setPlainText(replacement);
    EXPECT_EQ(text.Text(), replacement);
  }
  QTest::keyClicks(&memo, "ab");
  EXPECT_EQ(text.Text(), "ab[File]\n");
}

// Drive texts may hold any byte; the EDS page must keep every one of them, also
// once the user has typed, and must never show what would not be saved.
TEST_F(MainGridsTest, EdsPageKeepsEveryByteAndShowsOnlyWhatIsSaved) {
  form->show();
  form->PageControl1().ShowPage(MainPage::Eds);
  QPlainTextEdit& memo = *form->PageControl1().Memo4;
  EdsTextBuffer& text = form->Document().EdsText;
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    if (b != '\n') bytes += static_cast<char>(b);
  }
  text.AppendLine("a\r");
  text.AppendLine(bytes);
  text.AppendLine("x\r\ny");
  const std::string composed = text.Text();
  EXPECT_EQ(memo.document()->characterCount() - 1, static_cast<int>(composed.size()));

  memo.moveCursor(QTextCursor::End);
  QTest::keyClicks(&memo, "Z");
  EXPECT_EQ(text.Text(), composed + "Z") << "an edit keeps the program's bytes";

  memo.insertPlainText(QString::fromUtf8("\u20AC\u00B0C"));  // pasted: euro sign, degree sign
  EXPECT_EQ(text.Text(), composed + "Z?\xB0" "C");
  QCoreApplication::processEvents();
  EXPECT_FALSE(memo.toPlainText().contains(QChar(0x20AC)))
      << "the page shows what is saved, not a character the file cannot hold";
}

TEST_F(MainGridsTest, UserCannotUndoTheProgramsText) {
  QPlainTextEdit& memo = *form->PageControl1().Memo4;
  form->Document().EdsText.AppendLine("[File]");
  EXPECT_FALSE(memo.document()->isUndoAvailable());
}

}  // namespace
}  // namespace corvane::testing
