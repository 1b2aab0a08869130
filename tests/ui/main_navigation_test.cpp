#include <QTest>
#include <QTreeWidgetItem>

#include "app/main_navigation.h"
#include "main_form_fixture.h"

namespace corvane::testing {
namespace {

TEST(PageForTreePosition, PositionsMapToPagesAndEverythingElseToEds) {
  struct Case {
    int position;
    MainPage page;
  };
  for (Case c : {Case{0, MainPage::File}, Case{1, MainPage::Device}, Case{2, MainPage::IoInfo},
                 Case{3, MainPage::ParamClass}, Case{4, MainPage::Params},
                 Case{5, MainPage::EnumPar}, Case{6, MainPage::Groups}, Case{7, MainPage::Eds},
                 Case{-1, MainPage::Eds}, Case{1000, MainPage::Eds}}) {
    EXPECT_EQ(PageForTreePosition(c.position), c.page) << c.position;
  }
}

TEST_F(MainFormTest, TreeIsFullyExpandedWithTheRootAndSevenSections) {
  NavigationTree& tree = form->TreeView1();
  ASSERT_EQ(tree.topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree.Root();
  EXPECT_EQ(root->text(0), "EDS");
  EXPECT_TRUE(root->isExpanded());
  QStringList children;
  for (int i = 0; i < root->childCount(); ++i) children << root->child(i)->text(0);
  EXPECT_EQ(children, QStringList({"File", "Device", "IO_Info", "ParamClass", "Params", "EnumPar",
                                   "Groups"}));
}

TEST_F(MainFormTest, ClickingTreeEntriesBringsTheirPagesToTheFront) {
  form->show();
  NavigationTree& tree = form->TreeView1();
  auto click = [&](QTreeWidgetItem* item) {
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    return form->PageControl1().CurrentPage();
  };
  QTreeWidgetItem* root = tree.Root();
  EXPECT_EQ(click(root->child(6)), MainPage::Groups);
  EXPECT_EQ(click(root), MainPage::File);  // first at its level, like "File"
  EXPECT_EQ(click(root->child(2)), MainPage::IoInfo);

  tree.clearSelection();
  form->TreeView1MouseDown();
  EXPECT_EQ(form->PageControl1().CurrentPage(), MainPage::Eds);
}

}  // namespace
}  // namespace corvane::testing
