#pragma once
// The program's windows and ports, created once in a fixed order and wired to one
// another: main window, communication setup, (EEPROM), (range correction), drive
// family. All live until the program ends; the dialogs keep their state between
// openings.

#include <memory>

#include "app/dialogs/com_setup_form.h"
#include "app/dialogs/setup_form.h"
#include "app/main_form.h"
#include "app/ports/device_port.h"
#include "link/scheduler.h"

namespace corvane {

class ApplicationWindows {
 public:
  // Ports deliver through scheduler: the event loop in the program, a manual
  // clock in tests.
  explicit ApplicationWindows(Scheduler& scheduler);
  ~ApplicationWindows();

  TMainForm& MainForm() { return *mainForm_; }
  TComSetupForm& ComSetupForm() { return *comSetupForm_; }
  TSetupForm& SetupForm() { return *setupForm_; }
  SerialPort& EepromPort() { return eepromPort_; }

  // Puts a port text into Communication Setup as if the user had typed it.
  void ChoosePort(const QString& port);

  // Shows the main window maximised; the start-up dialogs follow once it is up.
  void Show();

 private:
  void WireHooks();

  VirtualDrives drives_;
  std::unique_ptr<TMainForm> mainForm_;
  DevicePort comSetupPort_;
  DevicePort eepromPort_;  // the EEPROM dialog's port, until that dialog exists
  std::unique_ptr<TComSetupForm> comSetupForm_;
  std::unique_ptr<TSetupForm> setupForm_;
};

}  // namespace corvane
