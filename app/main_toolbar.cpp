#include "app/main_toolbar.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "app/main_actions.h"
#include "app/main_icons.h"
#include "app/widgets/lamp_button.h"

namespace corvane {

namespace {

constexpr int ToolBarHeight = 33;
constexpr int ButtonHeight = 26;

QToolButton* AddActionButton(QToolBar& bar, QAction* action) {
  bar.addAction(action);
  return qobject_cast<QToolButton*>(bar.widgetForAction(action));
}

// A button of its own rather than the menu's action, so the edit menu's
// shortcuts stay with the editors.
QToolButton* AddDisabledButton(QToolBar& bar, const QString& caption, int image,
                               const QString& hint) {
  auto* button = new QToolButton(&bar);
  button->setText(caption);
  button->setIcon(MainIcon(image));
  button->setAutoRaise(true);
  button->setEnabled(false);
  SetHint(*button, hint);
  bar.addWidget(button);
  return button;
}

LampButton* AddLampButton(QToolBar& bar, const QString& caption, int width) {
  auto* button = new LampButton(caption, &bar);
  // Never narrower than the caption needs, whatever the font.
  button->setFixedSize(std::max(width, button->sizeHint().width()), ButtonHeight);
  bar.addWidget(button);
  return button;
}

}  // namespace

MainToolBar BuildMainToolBar(QMainWindow& window, const MainActions& actions) {
  MainToolBar t;
  t.ToolBar2 = window.addToolBar("ToolBar2");
  QToolBar& bar = *t.ToolBar2;
  bar.setObjectName("ToolBar2");
  bar.setMovable(false);
  bar.setFloatable(false);
  bar.setFixedHeight(ToolBarHeight);
  bar.setIconSize(QSize(16, 16));
  bar.setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar.toggleViewAction()->setVisible(false);

  t.ToolButton1 = AddActionButton(bar, actions.FileOpen1);
  t.ToolButton2 = AddActionButton(bar, actions.FileSave1);
  bar.addSeparator();
  t.ToolButton4 = AddDisabledButton(bar, "Cu&t", MainImage::Cut,
                                    "Cut|Cuts the selection and puts it on the Clipboard");
  t.ToolButton5 = AddDisabledButton(bar, "&Copy", MainImage::Copy,
                                    "Copy|Copies the selection and puts it on the Clipboard");
  t.ToolButton6 =
      AddDisabledButton(bar, "&Paste", MainImage::Paste, "Paste|Inserts Clipboard contents");
  bar.addSeparator();
  bar.addSeparator();
  t.ComSetupVrPowerButton = AddLampButton(bar, "Com Setup", 88);
  auto* gap = new QWidget(&bar);
  gap->setFixedWidth(4);
  bar.addWidget(gap);
  t.StartVrPowerButton = AddLampButton(bar, "Start", 57);

  t.VrLabel1 = new QLabel("<- Please Press the Button to Start...", &bar);
  QFont prompt("Arial");
  prompt.setStyleHint(QFont::SansSerif);
  prompt.setPixelSize(19);
  t.VrLabel1->setFont(prompt);
  QPalette palette = t.VrLabel1->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  palette.setColor(QPalette::ButtonText, Qt::red);  // a toolbar draws its labels in this role
  t.VrLabel1->setPalette(palette);
  t.VrLabel1->setContentsMargins(8, 0, 0, 0);
  bar.addWidget(t.VrLabel1);
  return t;
}

}  // namespace corvane
