#pragma once
// The main window's toolbar: Open and Save, the three edit buttons (never
// enabled), the "Com Setup" and "Start" lamp buttons and the start prompt.

class QLabel;
class QMainWindow;
class QToolBar;
class QToolButton;

namespace corvane {

class LampButton;
struct MainActions;

struct MainToolBar {
  QToolBar* ToolBar2 = nullptr;
  QToolButton* ToolButton1 = nullptr;  // Open
  QToolButton* ToolButton2 = nullptr;  // Save
  QToolButton* ToolButton4 = nullptr;  // Cut
  QToolButton* ToolButton5 = nullptr;  // Copy
  QToolButton* ToolButton6 = nullptr;  // Paste
  LampButton* ComSetupVrPowerButton = nullptr;
  LampButton* StartVrPowerButton = nullptr;
  QLabel* VrLabel1 = nullptr;
};

MainToolBar BuildMainToolBar(QMainWindow& window, const MainActions& actions);

}  // namespace corvane
