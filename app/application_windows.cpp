#include "app/application_windows.h"

#include <QComboBox>
#include <QSerialPortInfo>
#include <QStatusBar>

namespace corvane {

ApplicationWindows::ApplicationWindows(Scheduler& scheduler)
    // A plain "virtual" port follows the drive family chosen when it opens.
    : drives_([this] {
        return DefaultVirtualProfile(mainForm_ ? std::as_const(*mainForm_).DriveFamily()
                                               : DriveFamily::VelkoQdr);
      }),
      mainForm_(std::make_unique<TMainForm>(std::make_unique<DevicePort>(scheduler, drives_))),
      comSetupPort_(scheduler, drives_),
      eepromPort_(scheduler, drives_) {
  comSetupForm_ = std::make_unique<TComSetupForm>(
      ComSetupPorts{mainForm_->ApdComPort1(), comSetupPort_, eepromPort_},
      mainForm_->ReplyWaitTicks(), mainForm_.get());
  QStringList systemPorts;
  for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
    systemPorts << port.systemLocation();
  }
  comSetupForm_->SetSystemPorts(systemPorts);
  setupForm_ = std::make_unique<TSetupForm>(mainForm_->DriveFamily(), mainForm_.get());
  WireHooks();
}

// The dialogs are children of the main window; they go before it does.
ApplicationWindows::~ApplicationWindows() {
  setupForm_.reset();
  comSetupForm_.reset();
}

void ApplicationWindows::WireHooks() {
  TMainForm& main = *mainForm_;
  TComSetupForm& comSetup = *comSetupForm_;
  TSetupForm& setup = *setupForm_;
  comSetup.SetStartHandler([&main] { main.StartVrPowerButtonClick(); });

  MainFormHooks& hooks = main.Hooks();
  hooks.StartUpDialogs = [&setup, &comSetup] {
    setup.exec();
    comSetup.exec();
  };
  hooks.ShowComSetup = [&comSetup] {
    comSetup.PutOutLamps();  // Start then waits for a new passed link test
    comSetup.exec();
  };
  hooks.ShowVfdType = [&setup] { setup.exec(); };
  hooks.LinkTested = [&comSetup] { return comSetup.LinkTested(); };
  hooks.ShowComSetupForStart = [&comSetup] {
    comSetup.PutOutFailLamp();
    comSetup.exec();
  };
  hooks.Start = [&main] {
    main.statusBar()->showMessage(
        QStringLiteral("Link test passed. Reading the drive is not available in this version yet."),
        8000);
  };
}

void ApplicationWindows::ChoosePort(const QString& port) {
  comSetupForm_->ComPortComboBox()->setCurrentText(port);
}

void ApplicationWindows::Show() { mainForm_->showMaximized(); }

}  // namespace corvane
