#include "app/main_navigation.h"

#include <QHeaderView>

#include "app/main_icons.h"

namespace corvane {

MainPage PageForTreePosition(int position) {
  switch (position) {
    case 0:
      return MainPage::File;
    case 1:
      return MainPage::Device;
    case 2:
      return MainPage::IoInfo;
    case 3:
      return MainPage::ParamClass;
    case 4:
      return MainPage::Params;
    case 5:
      return MainPage::EnumPar;
    case 6:
      return MainPage::Groups;
    default:
      return MainPage::Eds;
  }
}

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("TreeView1");
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setIndentation(14);      // "ParamClass" fits the narrow tree
  setMouseTracking(true);  // hot tracking
  viewport()->setAttribute(Qt::WA_Hover);
  // The selection stays as visible when the focus moves to a page.
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight,
             p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(p);

  auto* root = new QTreeWidgetItem(this, QStringList("EDS"));
  root->setIcon(0, MainIcon(MainImage::Sheet, MainImage::Copy));
  for (const char* section :
       {"File", "Device", "IO_Info", "ParamClass", "Params", "EnumPar", "Groups"}) {
    auto* item = new QTreeWidgetItem(root, QStringList(section));
    item->setIcon(0, MainIcon(MainImage::Copy, MainImage::Open));
  }
  expandAll();
}

int NavigationTree::SelectedPosition() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return -1;
  QTreeWidgetItem* item = selected.first();
  QTreeWidgetItem* parent = item->parent();
  return parent ? parent->indexOfChild(item) : indexOfTopLevelItem(item);
}

void NavigationTree::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  emit mousePressed();
}

}  // namespace corvane
