// The windows wired together: the start-up walk, "Com Setup", and Start's link
// check, with modal dialogs answered by a watcher on the event loop.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/application_windows.h"
#include "app/main_toolbar.h"
#include "app/widgets/lamp_button.h"
#include "app/widgets/lamp_led.h"
#include "manual_scheduler.h"

namespace corvane {
namespace {

using testing::ManualScheduler;

// Closes (or otherwise answers) every modal dialog that comes up, and records
// the order in which they came.
class DialogWatcher {
 public:
  explicit DialogWatcher(std::function<void(QDialog&)> answer = {}) : answer_(std::move(answer)) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      seen.push_back(dialog->windowTitle());
      parents.push_back(dialog->parentWidget());
      if (answer_) answer_(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    timer_.start();
  }
  std::vector<QString> seen;
  std::vector<QWidget*> parents;

 private:
  std::function<void(QDialog&)> answer_;
  QTimer timer_;
};

class StartUpTest : public ::testing::Test {
 protected:
  // A passed link test against the built-in virtual drive.
  void PassLinkTest() {
    TComSetupForm& comSetup = windows.ComSetupForm();
    comSetup.ComPortComboBox()->setCurrentText("virtual");
    comSetup.TestVrPowerButtonClick();
    scheduler.RunUntilIdle();
    ASSERT_TRUE(comSetup.LinkTested());
  }

  ManualScheduler scheduler;
  ApplicationWindows windows{scheduler};
  TMainForm& main = windows.MainForm();
};

TEST_F(StartUpTest, FamilyDialogThenSetupDialogOverTheMaximisedWindow) {
  windows.Show();
  EXPECT_TRUE(main.windowState() & Qt::WindowMaximized);
  DialogWatcher watcher;
  main.Timer2Timer();
  EXPECT_EQ(watcher.seen, (std::vector<QString>{"Setup", "Communication Setup"}));
  EXPECT_EQ(watcher.parents, (std::vector<QWidget*>{&main, &main}));
  EXPECT_TRUE(main.isEnabled()) << "closing both leaves the main window idle";
}

TEST_F(StartUpTest, FamilyChosenAtStartUpPicksTheVirtualDrive) {
  DialogWatcher watcher([](QDialog& dialog) {
    if (auto* setup = qobject_cast<TSetupForm*>(&dialog)) setup->HLW620AbLEDClick();
  });
  main.Timer2Timer();
  EXPECT_EQ(std::as_const(main).DriveFamily(), DriveFamily::OrsolanHlw620);
  PassLinkTest();  // a plain "virtual" port follows the family: an HLW620 drive answers
}

TEST_F(StartUpTest, StartWithoutAPassedTestResetsAndShowsTheSetupDialog) {
  EdsDocument& doc = main.Document();
  doc.EdsText.AppendLine("[File]");
  doc.ParamTable.SetRowCount(4);
  doc.ParamTable.SetCell(ParamColumn::Illegal, 3, "V");
  doc.GroupTable.SetCell(GroupColumn::Params, 1, "1, 2, 3;");  // edited by the user
  windows.ComSetupForm().FailAbLED()->setChecked(true);

  bool readOut = false;
  main.Hooks().Start = [&] { readOut = true; };
  bool failLampAtShow = true;
  DialogWatcher watcher([&](QDialog& dialog) {
    failLampAtShow = windows.ComSetupForm().FailAbLED()->isChecked();
    EXPECT_TRUE(main.Tools().StartVrPowerButton->isActive()) << "lit while Start runs";
    (void)dialog;
  });
  main.StartVrPowerButtonClick();

  EXPECT_EQ(watcher.seen, (std::vector<QString>{"Communication Setup"}));
  EXPECT_FALSE(failLampAtShow) << "the Fail lamp is put out first";
  EXPECT_FALSE(readOut);
  EXPECT_EQ(doc.EdsText.Text(), "");
  EXPECT_EQ(doc.ParamTable.RowCount(), 2);
  EXPECT_EQ(doc.ParamTable.Cell(ParamColumn::Illegal, 1), "");
  EXPECT_EQ(doc.GroupTable.Cell(GroupColumn::Params, 1), "1, 2, 3;");
  EXPECT_FALSE(main.ApdComPort1().IsOpen()) << "nothing is sent";
  EXPECT_FALSE(main.Tools().StartVrPowerButton->isActive());
}

TEST_F(StartUpTest, GoAfterAPassedTestHandsOverToTheReadOut) {
  int readOuts = 0;
  main.Hooks().Start = [&] { ++readOuts; };
  DialogWatcher watcher([&](QDialog& dialog) {
    if (&dialog != &windows.ComSetupForm()) return;
    PassLinkTest();
    windows.ComSetupForm().GoBitBtnClick();
  });
  main.Timer2Timer();
  EXPECT_EQ(readOuts, 1);
  EXPECT_FALSE(windows.ComSetupForm().isVisible());

  main.StartVrPowerButtonClick();  // the lamp stays lit: no new test needed
  EXPECT_EQ(readOuts, 2);
  EXPECT_EQ(watcher.seen, (std::vector<QString>{"Setup", "Communication Setup"}));
}

TEST_F(StartUpTest, GoInTheDialogARefusedStartOpenedRunsTheReadOutOnce) {
  main.Document().GroupTable.SetCell(GroupColumn::Params, 1, "1, 2;");
  int readOuts = 0;
  main.Hooks().Start = [&] {
    ++readOuts;
    EXPECT_EQ(main.Document().GroupTable.Cell(GroupColumn::Params, 1), "")
        << "a read-out that starts clears the old lists";
  };
  DialogWatcher watcher([&](QDialog&) {
    PassLinkTest();
    windows.ComSetupForm().GoBitBtnClick();
  });
  main.StartVrPowerButtonClick();
  EXPECT_EQ(readOuts, 1);
  EXPECT_EQ(watcher.seen, (std::vector<QString>{"Communication Setup"}));
  EXPECT_FALSE(main.Tools().StartVrPowerButton->isActive());
}

TEST_F(StartUpTest, ComSetupPutsOutBothLampsAndStaysLit) {
  PassLinkTest();
  windows.ComSetupForm().FailAbLED()->setChecked(true);
  bool lampsOutAtShow = false;
  DialogWatcher watcher([&](QDialog&) {
    lampsOutAtShow = !windows.ComSetupForm().SuccessAbLED()->isChecked() &&
                     !windows.ComSetupForm().FailAbLED()->isChecked();
  });
  main.ComSetupVrPowerButtonClick();
  EXPECT_TRUE(lampsOutAtShow);
  EXPECT_TRUE(main.Tools().ComSetupVrPowerButton->isActive());

  int readOuts = 0;
  main.Hooks().Start = [&] { ++readOuts; };
  main.StartVrPowerButtonClick();  // untested now: the dialog comes instead
  EXPECT_EQ(readOuts, 0);
  EXPECT_EQ(watcher.seen.size(), 2u);
}

TEST_F(StartUpTest, PortChosenOnTheCommandLineReachesEveryPortOnClose) {
  windows.ChoosePort("virtual:qdr-k");
  EXPECT_EQ(main.ApdComPort1().PortName(), "virtual:qdr-k");
  DialogWatcher watcher;
  main.ComSetupVrPowerButtonClick();
  EXPECT_EQ(windows.EepromPort().PortName(), "virtual:qdr-k") << "handed over on close";
}

}  // namespace
}  // namespace corvane
