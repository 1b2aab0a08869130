// Corvane: builds the EDS of an AC motor drive read over a serial line.
#include <QApplication>
#include <QSerialPortInfo>

#include <cstdint>

#include "app/dialogs/com_setup_form.h"
#include "app/dialogs/setup_form.h"
#include "app/main_form.h"
#include "app/ports/device_port.h"
#include "link/qt/qt_scheduler.h"

using namespace corvane;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvane");

  QtScheduler scheduler;
  const TMainForm* mainWindow = nullptr;
  // A plain "virtual" port follows the drive family chosen at the time it opens.
  VirtualDrives drives([&mainWindow] {
    return DefaultVirtualProfile(
        static_cast<std::uint8_t>(mainWindow ? mainWindow->DriveFamily() : DriveFamily{}));
  });

  // The windows, in this order: main window, communication setup, EEPROM,
  // range correction, drive family. All live until the program ends.
  TMainForm mainForm(std::make_unique<DevicePort>(scheduler, drives));
  mainWindow = &mainForm;

  DevicePort comSetupPort(scheduler, drives);
  DevicePort eepromPort(scheduler, drives);
  TComSetupForm comSetup({mainForm.ApdComPort1(), comSetupPort, eepromPort},
                         mainForm.ReplyWaitTicks(), &mainForm);
  QStringList systemPorts;
  for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
    systemPorts << port.portName();
  }
  comSetup.SetSystemPorts(systemPorts);
  comSetup.SetStartHandler([&mainForm] { mainForm.StartVrPowerButtonClick(); });

  TSetupForm setup(mainForm.DriveFamily(), &mainForm);

  MainFormHooks& hooks = mainForm.Hooks();
  hooks.StartUpDialogs = [&] {
    setup.exec();
    comSetup.exec();
  };
  hooks.ShowComSetup = [&comSetup] {
    comSetup.PutOutLamps();  // Start then waits for a new passed link test
    comSetup.exec();
  };
  hooks.ShowVfdType = [&setup] { setup.exec(); };

  mainForm.showMaximized();
  return app.exec();
}
