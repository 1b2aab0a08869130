#include "app/main_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/main_icons.h"

namespace corvane {

namespace {

QAction* AddAction(QMenu& menu, const QString& caption, const QString& hint = {},
                   const QKeySequence& shortcut = {}, int image = -1) {
  QAction* action = menu.addAction(caption);
  if (!hint.isEmpty()) SetHint(*action, hint);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (image >= 0) action->setIcon(MainIcon(image));
  return action;
}

}  // namespace

void SetHint(QAction& action, const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  action.setToolTip(bar < 0 ? hint : hint.left(bar));
  action.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

void SetHint(QWidget& widget, const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  widget.setToolTip(bar < 0 ? hint : hint.left(bar));
  widget.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

MainActions BuildMainMenus(QMainWindow& window) {
  MainActions a;
  QMenuBar& bar = *window.menuBar();

  QMenu& file = *bar.addMenu(QObject::tr("&File"));
  a.FileNew1 =
      AddAction(file, "&New", "New|Create a new file", QKeySequence("Ctrl+N"), MainImage::New);
  a.FileOpen1 =
      AddAction(file, "&Open", "Open|Open a file", QKeySequence("Ctrl+O"), MainImage::Open);
  a.FileClose1 = AddAction(file, "&Close", "Close|Close current file");
  a.FileClose1->setEnabled(false);  // closes a child window; the program opens none
  file.addSeparator();
  a.FileSave1 =
      AddAction(file, "&Save", "Save|Save current file", QKeySequence("Ctrl+S"), MainImage::Save);
  a.FileSaveAs1 = AddAction(file, "Save &As...", "Save As|Save current file with different name");
  a.FileSaveAs1->setEnabled(false);  // no command behind it
  file.addSeparator();
  a.FileExit1 = AddAction(file, "E&xit", "Exit|Exit application");

  QMenu& edit = *bar.addMenu("&Edit");
  a.EditCut = AddAction(edit, "Cu&t", "Cut|Cuts the selection and puts it on the Clipboard",
                        QKeySequence("Ctrl+X"), MainImage::Cut);
  a.EditCopy = AddAction(edit, "&Copy", "Copy|Copies the selection and puts it on the Clipboard",
                         QKeySequence("Ctrl+C"), MainImage::Copy);
  a.EditPaste = AddAction(edit, "&Paste", "Paste|Inserts Clipboard contents",
                          QKeySequence("Ctrl+V"), MainImage::Paste);
  for (QAction* action : {a.EditCut, a.EditCopy, a.EditPaste}) action->setEnabled(false);

  QMenu& tools = *bar.addMenu("&Tools");
  a.Setup = AddAction(tools, "VFD Type");
  a.ModifyEEPROM = AddAction(tools, "Modify EEPROM");

  a.WindowMenu = bar.addMenu("&Window");
  for (const char* caption :
       {"&Cascade", "Tile &Horizontally", "Tile &Vertically", "&Minimize All", "&Arrange All"}) {
    a.WindowMenu->addAction(caption)->setEnabled(false);
  }
  a.WindowMenu->menuAction()->setVisible(false);

  QMenu& help = *bar.addMenu("&Help");
  a.HelpAbout1 = AddAction(help, "&About...");
  return a;
}

}  // namespace corvane
