#pragma once
// The communication setup dialog: choose port and baud rate, test that a drive
// answers, and hand over to the read-out with Go. Port and baud go straight to the
// main window's port and this dialog's own; the port is handed to the EEPROM
// dialog's port whenever this dialog closes. The Success lamp is the program's
// record of a passed link test. The dialog lives for the whole run.

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "link/link_test.h"
#include "link/serial_port.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace corvane {

class ConnectionDrawing;
class LampButton;
class LampLed;

// The ports this dialog configures. All three outlive the dialog.
struct ComSetupPorts {
  SerialPort& mainPort;    // the main window's read-out port
  SerialPort& ownPort;     // this dialog's port, used by the link test
  SerialPort& eepromPort;  // the EEPROM dialog's port: gets the port name on close
};

class TComSetupForm : public QDialog {
  Q_OBJECT

 public:
  TComSetupForm(ComSetupPorts ports, std::uint8_t& replyWaitTicks, QWidget* parent = nullptr);
  ~TComSetupForm() override;

  // Called by Go after the dialog has closed: the main window's Start.
  void SetStartHandler(std::function<void()> start) { start_ = std::move(start); }

  // Extra port names offered after "1".."9" (the system's own ports); "virtual"
  // always comes last.
  void SetSystemPorts(const QStringList& names);

  // What the main window does with the lamps.
  bool LinkTested() const;  // the Success lamp is lit
  void PutOutLamps();       // "Com Setup": a new test is needed
  void PutOutFailLamp();    // Start without a passed test

  LampLed* SuccessAbLED() const { return success_; }
  LampLed* FailAbLED() const { return fail_; }
  LampButton* TestVrPowerButton() const { return test_; }
  QPushButton* GoBitBtn() const { return go_; }
  QComboBox* ComPortComboBox() const { return portBox_; }
  QComboBox* BaudComboBox() const { return baudBox_; }
  QLabel* StatusLabel() const { return status_; }
  ConnectionDrawing* Image1() const { return drawing_; }
  QTimer& Timer1() { return timer1_; }

 public slots:
  void ComPortComboBoxChange();
  void BaudComboBoxChange();
  void TestVrPowerButtonClick();
  void TestVrPowerButtonMouseDown();
  void TestVrPowerButtonMouseUp();
  void ApdComPort1TriggerAvail();
  void Timer1Timer();
  void GoBitBtnClick();

 protected:
  void done(int result) override;  // every way of closing ends here

 private:
  void FormClose();
  void ApplyBaud(bool reportBadText);
  void ShowStatus(const QString& text, bool problem);
  void ApplyOutcome(const LinkTestOutcome& outcome);

  ComSetupPorts ports_;
  std::uint8_t& replyWaitTicks_;
  std::function<void()> start_;
  LinkTest linkTest_;
  QTimer timer1_;

  ConnectionDrawing* drawing_;
  QComboBox* portBox_;
  QComboBox* baudBox_;
  LampLed* success_;
  LampLed* fail_;
  LampButton* test_;
  QLabel* status_;
  QPushButton* go_;
};

}  // namespace corvane
