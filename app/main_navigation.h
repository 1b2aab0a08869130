#pragma once
// The navigation tree beside the pages: the root "EDS" with one entry per
// section. A mouse press brings the page of the selected entry to the front.

#include <QTreeWidget>

#include "app/main_pages.h"

namespace corvane {

// Page for the selected entry's position among its siblings (from 0); the root
// is first at its level and so shows File. No selection (position -1) and any
// position without a page of its own show the EDS text.
MainPage PageForTreePosition(int position);

class NavigationTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit NavigationTree(QWidget* parent = nullptr);

  QTreeWidgetItem* Root() const { return topLevelItem(0); }
  // Position of the selected entry among its siblings, -1 without a selection.
  int SelectedPosition() const;

 signals:
  // After the press has updated the selection, also for a press on empty space.
  void mousePressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace corvane
