#pragma once
// The main window's commands and menus. A hint is "short|long": the short part
// becomes the tool tip, the long part the status-bar text.

#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace corvane {

void SetHint(QAction& action, const QString& hint);
void SetHint(QWidget& widget, const QString& hint);

struct MainActions {
  // File
  QAction* FileNew1 = nullptr;
  QAction* FileOpen1 = nullptr;
  QAction* FileClose1 = nullptr;
  QAction* FileSave1 = nullptr;
  QAction* FileSaveAs1 = nullptr;
  QAction* FileExit1 = nullptr;
  // Edit: shown for the familiar layout, never enabled. The editors handle
  // Ctrl+X/C/V/A/Z and Del themselves.
  QAction* EditCut = nullptr;
  QAction* EditCopy = nullptr;
  QAction* EditPaste = nullptr;
  // Tools
  QAction* Setup = nullptr;         // "VFD Type"
  QAction* ModifyEEPROM = nullptr;  // "Modify EEPROM"
  // Help
  QAction* HelpAbout1 = nullptr;

  QMenu* WindowMenu = nullptr;  // present but hidden: no child windows exist
};

// Builds the menu bar of window; the actions are children of window.
MainActions BuildMainMenus(QMainWindow& window);

}  // namespace corvane
