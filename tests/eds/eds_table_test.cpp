#include "eds/eds_table.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Records what a view would be told, in order.
struct RecordingObserver : TableObserver {
  std::vector<std::string> events;
  const EdsTable* table = nullptr;
  void CellChanged(int column, int row) override {
    events.push_back("cell " + std::to_string(column) + "," + std::to_string(row));
  }
  void RowCountAboutToChange(int oldCount, int newCount) override {
    // A view asks for the old shape here, so the table must not have changed yet.
    events.push_back("rows? " + std::to_string(oldCount) + "->" + std::to_string(newCount) +
                     " now " + std::to_string(table->RowCount()));
  }
  void RowCountChanged(int oldCount, int newCount) override {
    events.push_back("rows " + std::to_string(oldCount) + "->" + std::to_string(newCount) +
                     " now " + std::to_string(table->RowCount()));
  }
  void AboutToReset() override { events.push_back("reset?"); }
  void ResetDone() override { events.push_back("reset"); }
};

TEST(EdsTable, ShrinkingDropsCutRowsSoGrowingBringsBackEmptyCells) {
  EdsTable table({10, 10, 10}, 5);
  for (int row = 1; row < 5; ++row) table.SetCell(2, row, "V" + std::to_string(row));

  table.SetRowCount(2);
  EXPECT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Cell(2, 1), "V1");
  EXPECT_THROW(table.Cell(2, 2), std::out_of_range);

  table.SetRowCount(301);
  EXPECT_EQ(table.RowCount(), 301);
  EXPECT_EQ(table.Cell(2, 1), "V1");
  for (int row = 2; row < 301; ++row) ASSERT_EQ(table.Cell(2, row), "") << "row " << row;
}

TEST(EdsTable, CellsOutsideTheTableAndLosingTheHeadingRowAreRefused) {
  EdsTable table({10, 10}, 2);
  struct Case {
    int column, row;
  };
  for (Case c : {Case{-1, 0}, Case{2, 0}, Case{0, -1}, Case{0, 2}}) {
    EXPECT_THROW(table.Cell(c.column, c.row), std::out_of_range) << c.column << "," << c.row;
    EXPECT_THROW(table.SetCell(c.column, c.row, "x"), std::out_of_range);
  }
  EXPECT_THROW(table.SetRowCount(0), std::invalid_argument);
  EXPECT_EQ(table.RowCount(), 2);
  table.SetRowCount(1);  // headings only
  EXPECT_EQ(table.RowCount(), 1);
}

TEST(EdsTable, CellsHoldAnyBytesIncludingNul) {
  EdsTable table({10, 10}, 2);
  const std::string name("SPD\0\0\xFF", 6);  // drives pad names with zero bytes
  table.SetCell(1, 1, name);
  EXPECT_EQ(table.Cell(1, 1), name);
}

TEST(EdsTable, ObserversHearCellRowCountAndResetChangesInOrder) {
  EdsTable table({10, 10}, 3);
  RecordingObserver observer;
  observer.table = &table;
  Subscription subscription = table.Subscribe(observer);

  table.SetCell(1, 2, "a");
  table.SetRowCount(5);
  table.SetRowCount(5);  // no change, no news
  table.SetRowCount(2);
  table.ClearColumn(1);

  EXPECT_EQ(observer.events, (std::vector<std::string>{
                                 "cell 1,2",
                                 "rows? 3->5 now 3",
                                 "rows 3->5 now 5",
                                 "rows? 5->2 now 5",
                                 "rows 5->2 now 2",
                                 "reset?",
                                 "reset",
                             }));
}

TEST(EdsTable, ClearColumnKeepsHeadingAndOtherColumns) {
  EdsTable table({10, 10}, 3);
  table.SetCell(1, 0, "Heading");
  table.SetCell(1, 1, "x");
  table.SetCell(1, 2, "y");
  table.SetCell(0, 1, "Key");
  table.ClearColumn(1);
  EXPECT_EQ(table.Cell(1, 0), "Heading");
  EXPECT_EQ(table.Cell(1, 1), "");
  EXPECT_EQ(table.Cell(1, 2), "");
  EXPECT_EQ(table.Cell(0, 1), "Key");
}

TEST(EdsTable, DroppedSubscriptionStopsNewsAndMayOutliveTheTable) {
  RecordingObserver observer;
  Subscription late;
  {
    EdsTable table({10}, 2);
    observer.table = &table;
    {
      Subscription subscription = table.Subscribe(observer);
      table.SetCell(0, 1, "a");
    }
    table.SetCell(0, 1, "b");
    EXPECT_EQ(observer.events, std::vector<std::string>{"cell 0,1"});
    late = table.Subscribe(observer);
  }
  late.Cancel();  // the table is gone; this must not touch it
}

TEST(EdsTable, ObserverMayUnsubscribeAnotherDuringNotification) {
  EdsTable table({10}, 2);
  struct Dropper : TableObserver {
    Subscription* victim = nullptr;
    void CellChanged(int, int) override { victim->Cancel(); }
    void RowCountAboutToChange(int, int) override {}
    void RowCountChanged(int, int) override {}
    void AboutToReset() override {}
    void ResetDone() override {}
  } dropper;
  RecordingObserver second;
  second.table = &table;
  Subscription first = table.Subscribe(dropper);
  Subscription secondSubscription = table.Subscribe(second);
  dropper.victim = &secondSubscription;

  table.SetCell(0, 1, "a");
  EXPECT_TRUE(second.events.empty());
}

}  // namespace
}  // namespace corvane
