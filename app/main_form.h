#pragma once
// The main window: menus, toolbar, navigation tree, the EDS pages, the message
// panel and the status bar. It owns the EdsDocument, the read-out port and the
// two timers; the dialogs and the read-out plug in through MainFormHooks.

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

#include "acquire/drive_family.h"
#include "app/main_actions.h"
#include "app/main_toolbar.h"
#include "eds/eds_document.h"
#include "link/reply_buffer.h"
#include "link/serial_port.h"

class QSplitter;

namespace corvane {

class EdsPages;
class MessagePanel;
class NavigationTree;

// What the main window leaves to the dialogs and the read-out. An empty hook
// does nothing.
struct MainFormHooks {
  std::function<void()> StartUpDialogs;    // once, after the window is first shown
  std::function<void()> ShowComSetup;      // "Com Setup" (after its lamp is lit)
  std::function<void()> ShowVfdType;       // Tools, "VFD Type"
  std::function<void()> ShowModifyEeprom;  // Tools, "Modify EEPROM"
  std::function<bool()> LinkTested;        // the setup dialog's Success lamp is lit
  std::function<void()> ShowComSetupForStart;  // Start without a passed link test
  std::function<void()> Start;             // "Start" after the link check: the read-out
  std::function<void()> Save;              // File, Save and the Save button
  std::function<void()> ReadOutTick;       // every Timer1 tick
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // port becomes ApdComPort1, the read-out port; it starts closed.
  explicit TMainForm(std::unique_ptr<SerialPort> port, QWidget* parent = nullptr);
  ~TMainForm() override;

  MainFormHooks& Hooks() { return hooks_; }
  EdsDocument& Document() { return document_; }
  SerialPort& ApdComPort1() { return *port_; }
  // Every byte received on ApdComPort1 since the read-out last emptied it.
  ReplyBuffer& Reply() { return reply_; }

  // Written by the drive-family and communication setup dialogs, which hold
  // these references for the whole run.
  ::corvane::DriveFamily& DriveFamily() { return driveFamily_; }
  ::corvane::DriveFamily DriveFamily() const { return driveFamily_; }
  std::uint8_t& ReplyWaitTicks() { return replyWaitTicks_; }
  std::uint8_t ReplyWaitTicks() const { return replyWaitTicks_; }

  // Adds one line to the message panel's log.
  void AddMessage(const QString& line);

  // The read-out's pace: 1 ms, stopped until a read-out starts it.
  QTimer& Timer1() { return timer1_; }
  QTimer& Timer2() { return timer2_; }

  const MainActions& Actions() const { return actions_; }
  const MainToolBar& Tools() const { return toolBar_; }
  EdsPages& PageControl1() const { return *pages_; }
  NavigationTree& TreeView1() const { return *tree_; }
  MessagePanel& Messages() const { return *messagePanel_; }

  // Event handlers.
  void FormCreate();
  void Timer2Timer();
  void Timer1Timer();
  void TreeView1MouseDown();
  void MessagePanelResize();
  void ComSetupVrPowerButtonClick();
  void StartVrPowerButtonClick();
  void SetupClick();
  void ModifyEEPROMClick();
  void ToolButton2Click();
  void FileNew1Execute() {}
  void FileOpen1Execute() {}
  void HelpAbout1Execute() {}
  void FileExit1Execute();
  void FormClose();
  void ApdComPort1TriggerAvail();
  void ApdComPort1PortClose();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void Connect();

  EdsDocument document_;
  std::unique_ptr<SerialPort> port_;
  ReplyBuffer reply_;
  MainFormHooks hooks_;
  ::corvane::DriveFamily driveFamily_ = ::corvane::DriveFamily::VelkoQdr;
  std::uint8_t replyWaitTicks_ = 10;  // until a baud rate is chosen
  bool created_ = false;

  QTimer timer1_;
  QTimer timer2_;
  MainActions actions_;
  MainToolBar toolBar_;
  QSplitter* splitter1_ = nullptr;  // pages above, messages below
  QSplitter* splitter2_ = nullptr;  // tree left, pages right
  NavigationTree* tree_ = nullptr;
  EdsPages* pages_ = nullptr;
  MessagePanel* messagePanel_ = nullptr;
};

}  // namespace corvane
