#pragma once
// The main window's pictures, drawn at run time: the entries of the image list
// the menus, toolbar and tree use, and the window icon.

#include <QIcon>

namespace corvane {

// Image-list entries by their number; numbers without a picture give a null icon.
struct MainImage {
  static constexpr int Cut = 0;
  static constexpr int Copy = 1;  // also the tree's page entries
  static constexpr int Paste = 2;
  static constexpr int New = 6;
  static constexpr int Open = 7;  // also a selected page entry of the tree
  static constexpr int Save = 8;
  static constexpr int Sheet = 9;  // the tree's root
};

QIcon MainIcon(int image);

// An icon showing normal when idle and selected when its item is selected.
QIcon MainIcon(int normal, int selected);

QIcon ApplicationIcon();

}  // namespace corvane
