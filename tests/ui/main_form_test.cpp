#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "app/main_message_panel.h"
#include "app/main_navigation.h"
#include "app/main_pages.h"
#include "app/widgets/lamp_button.h"
#include "main_form_fixture.h"

namespace corvane::testing {
namespace {

TEST_F(MainFormTest, FreshWindowShowsParamsWithCaptionAndInitialFields) {
  EXPECT_EQ(form->windowTitle(), "Corvane");
  EXPECT_EQ(form->size(), QSize(965, 734));
  EXPECT_EQ(form->PageControl1().CurrentPage(), MainPage::Params);
  EXPECT_EQ(form->PageControl1().tabText(form->PageControl1().currentIndex()), "Params");
  EXPECT_EQ(form->DriveFamily(), DriveFamily::VelkoQdr);
  EXPECT_EQ(form->ReplyWaitTicks(), 10);
  EXPECT_FALSE(form->ApdComPort1().IsOpen());
  EXPECT_FALSE(form->Timer1().isActive());
  EXPECT_TRUE(Log().isEmpty());

  QStringList tabs;
  for (int i = 0; i < form->PageControl1().count(); ++i) tabs << form->PageControl1().tabText(i);
  EXPECT_EQ(tabs, QStringList({"File", "Device", "IO_Info", "ParamClass", "Params", "EnumPar",
                               "Groups", "EDS"}));
}

TEST_F(MainFormTest, StartUpHookRunsOnceFromTheOneShotTimerAfterTheWindowIsShown) {
  int startUps = 0;
  form->Hooks().StartUpDialogs = [&] { ++startUps; };
  EXPECT_FALSE(form->Timer2().isActive());  // not before the window is on the screen

  form->show();
  EXPECT_TRUE(form->Timer2().isActive());
  EXPECT_TRUE(form->Timer2().isSingleShot());
  EXPECT_EQ(form->Timer2().interval(), 1);

  form->Timer2Timer();  // what the timer's expiry calls
  EXPECT_EQ(startUps, 1);
  EXPECT_FALSE(form->Timer2().isActive());
  form->hide();
  form->show();
  EXPECT_FALSE(form->Timer2().isActive());  // showing again does not repeat it
}

TEST_F(MainFormTest, ToolsAndLampButtonsCallTheirHooks) {
  std::vector<QString> calls;
  form->Hooks().ShowComSetup = [&] {
    EXPECT_TRUE(form->Tools().ComSetupVrPowerButton->isActive());  // lit before the dialog
    calls.push_back("com setup");
  };
  form->Hooks().ShowVfdType = [&] { calls.push_back("vfd type"); };
  form->Hooks().ShowModifyEeprom = [&] { calls.push_back("eeprom"); };
  form->Hooks().LinkTested = [] { return true; };
  form->Hooks().Start = [&] {
    EXPECT_TRUE(form->Tools().StartVrPowerButton->isActive());  // lit while it runs
    calls.push_back("start");
  };
  form->Hooks().Save = [&] { calls.push_back("save"); };
  form->show();

  QTest::mouseClick(form->Tools().ComSetupVrPowerButton, Qt::LeftButton);
  form->Actions().Setup->trigger();
  form->Actions().ModifyEEPROM->trigger();
  QTest::mouseClick(form->Tools().StartVrPowerButton, Qt::LeftButton);
  QTest::mouseClick(form->Tools().ToolButton2, Qt::LeftButton);
  form->Actions().FileSave1->trigger();

  EXPECT_EQ(calls,
            (std::vector<QString>{"com setup", "vfd type", "eeprom", "start", "save", "save"}));
  EXPECT_TRUE(form->Tools().ComSetupVrPowerButton->isActive());  // stays lit
  EXPECT_FALSE(form->Tools().StartVrPowerButton->isActive());
}

TEST_F(MainFormTest, MenusHaveTheirCaptionsShortcutsAndEnabledStates) {
  const MainActions& a = form->Actions();
  struct Case {
    QAction* action;
    const char* caption;
    const char* shortcut;
    bool enabled;
  };
  const std::vector<Case> cases = {
      {a.FileNew1, "&New", "Ctrl+N", true},        {a.FileOpen1, "&Open", "Ctrl+O", true},
      {a.FileClose1, "&Close", "", false},         {a.FileSave1, "&Save", "Ctrl+S", true},
      {a.FileSaveAs1, "Save &As...", "", false},   {a.FileExit1, "E&xit", "", true},
      {a.EditCut, "Cu&t", "Ctrl+X", false},        {a.EditCopy, "&Copy", "Ctrl+C", false},
      {a.EditPaste, "&Paste", "Ctrl+V", false},    {a.Setup, "VFD Type", "", true},
      {a.ModifyEEPROM, "Modify EEPROM", "", true}, {a.HelpAbout1, "&About...", "", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.action->text(), c.caption);
    EXPECT_EQ(c.action->shortcut(), QKeySequence(c.shortcut)) << c.caption;
    EXPECT_EQ(c.action->isEnabled(), c.enabled) << c.caption;
  }

  QStringList menus;
  for (QAction* menu : form->menuBar()->actions()) {
    if (menu->isVisible()) menus << menu->text();
  }
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Tools", "&Help"}));  // Window hidden
  EXPECT_FALSE(a.WindowMenu->menuAction()->isVisible());
  EXPECT_EQ(a.WindowMenu->actions().size(), 5);
}

TEST_F(MainFormTest, HintsSplitIntoToolTipAndStatusBarText) {
  const MainActions& a = form->Actions();
  const MainToolBar& t = form->Tools();
  struct Case {
    QString toolTip, statusTip, shownToolTip, shownStatusTip;
  };
  const std::vector<Case> cases = {
      {"New", "Create a new file", a.FileNew1->toolTip(), a.FileNew1->statusTip()},
      {"Open", "Open a file", t.ToolButton1->toolTip(), t.ToolButton1->statusTip()},
      {"Save", "Save current file", t.ToolButton2->toolTip(), t.ToolButton2->statusTip()},
      {"Exit", "Exit application", a.FileExit1->toolTip(), a.FileExit1->statusTip()},
      {"Cut", "Cuts the selection and puts it on the Clipboard", t.ToolButton4->toolTip(),
       t.ToolButton4->statusTip()},
      {"Copy", "Copies the selection and puts it on the Clipboard", t.ToolButton5->toolTip(),
       t.ToolButton5->statusTip()},
      {"Paste", "Inserts Clipboard contents", t.ToolButton6->toolTip(), t.ToolButton6->statusTip()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.shownToolTip, c.toolTip);
    EXPECT_EQ(c.shownStatusTip, c.statusTip) << c.toolTip.toStdString();
  }
  for (QToolButton* edit : {t.ToolButton4, t.ToolButton5, t.ToolButton6}) {
    EXPECT_FALSE(edit->isEnabled());
  }
  EXPECT_EQ(t.VrLabel1->text(), "<- Please Press the Button to Start...");
}

TEST_F(MainFormTest, NewOpenAndAboutChangeNothing) {
  form->show();
  form->PageControl1().ShowPage(MainPage::Groups);
  const QWidgetList windowsBefore = QApplication::topLevelWidgets();
  for (QAction* action :
       {form->Actions().FileNew1, form->Actions().FileOpen1, form->Actions().HelpAbout1}) {
    action->trigger();
  }
  QApplication::processEvents();
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore.size());
  EXPECT_EQ(form->PageControl1().CurrentPage(), MainPage::Groups);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->Document().EdsText.Empty());
  EXPECT_EQ(form->Document().ParamTable.RowCount(), 2);
  EXPECT_TRUE(Log().isEmpty());
}

TEST_F(MainFormTest, ExitClosesTheWindowAndAnOpenPortReportsPortClose) {
  form->show();
  port->Open();
  form->Timer1().start();
  form->Actions().FileExit1->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(port->IsOpen());
  EXPECT_FALSE(form->Timer1().isActive());
  scheduler.RunUntilIdle();  // the port reports its closing afterwards
  EXPECT_EQ(Log(), "Port close");
}

TEST_F(MainFormTest, ClosingWithoutAReadOutAddsNoPortCloseLine) {
  form->show();
  form->close();
  scheduler.RunUntilIdle();
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(Log().isEmpty());
}

TEST_F(MainFormTest, MessageLinesAreAppendedAfterWhatTheUserTyped) {
  QPlainTextEdit& memo = *form->Messages().MessageMemo;
  EXPECT_FALSE(memo.isReadOnly());
  form->AddMessage("Reading parameters from AC Motor drive ....");
  memo.moveCursor(QTextCursor::End);
  QTest::keyClicks(&memo, " note");  // the user continues the last line
  form->AddMessage("EDS file has been finished !!");
  EXPECT_EQ(Log(),
            "Reading parameters from AC Motor drive .... note\n"
            "EDS file has been finished !!");
}

TEST_F(MainFormTest, MessageMemoFollowsThePanelHeight) {
  form->show();
  MessagePanel& panel = form->Messages();
  QPlainTextEdit& memo = *panel.MessageMemo;
  EXPECT_EQ(memo.pos(), QPoint(13, 20));
  EXPECT_EQ(memo.width(), form->screen()->geometry().width() - 31);

  struct Case {
    int panel, memo;
  };
  for (Case c : {Case{145, 100}, Case{98, 53}, Case{300, 255}, Case{30, 0}}) {
    panel.resize(panel.width(), c.panel);
    EXPECT_EQ(memo.height(), c.memo) << "panel " << c.panel;
  }
  EXPECT_EQ(panel.Heading->text(), "Message");
  EXPECT_EQ(panel.HeadingShadow->pos() - panel.Heading->pos(), QPoint(1, 1));
}

}  // namespace
}  // namespace corvane::testing

namespace corvane::testing {
namespace {

// Received bytes reach the reply buffer whatever the notifications' sizes, NUL
// and line-feed bytes included, and nothing else happens to them.
TEST_F(MainFormTest, ReceivedBytesFillTheReplyBufferInArrivalOrder) {
  const std::vector<std::uint8_t> reply = {0xFF, 0x03, 0x0A, 0x00, 0x12, 0x34, 0x8A, 0x29};
  port->Open();
  port->Inject({reply.begin(), reply.begin() + 3});
  port->Inject({reply.begin() + 3, reply.end()});
  scheduler.RunUntilIdle();

  ReplyBuffer inOne;
  inOne.Append(reply);
  EXPECT_EQ(form->Reply().ReplyRaw(), inOne.ReplyRaw());
  EXPECT_EQ(form->Reply().ReplyHex(), "\\xFF\\x03\\x0A\\x00\\x12\\x34\\x8A\\x29");
  EXPECT_EQ(form->Reply().ReplyRaw().size(), 8u);
  EXPECT_EQ(form->Reply().ReplyRaw()[3], '\0');
  EXPECT_TRUE(Log().isEmpty());
}

}  // namespace
}  // namespace corvane::testing
