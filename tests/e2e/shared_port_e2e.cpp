// The main window's port stays open after a read-out while the setup dialog and
// the EEPROM dialog open ports of their own on the same device: all three must
// keep talking to the drive in one run.

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include "app/application_windows.h"
#include "app/widgets/lamp_led.h"
#include "link/frames.h"
#include "link/qt/qt_scheduler.h"
#include "link/rtu_reply.h"
#include "sim_process.h"

namespace corvane {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& raw) {
  return {reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()};
}

TEST(SharedPortOverPty, ReadOutPortSetupPortAndEepromPortAllWork) {
  testing::SimProcess sim({"--profile", "qdr-w"});
  ASSERT_FALSE(sim.Path().isEmpty()) << sim.Error().toStdString();
  QtScheduler scheduler;
  ApplicationWindows windows(scheduler);
  TMainForm& main = windows.MainForm();
  TComSetupForm& comSetup = windows.ComSetupForm();

  // The setup dialog chooses the device and passes a link test.
  comSetup.show();
  comSetup.ComPortComboBox()->setCurrentText(sim.Path());
  comSetup.TestVrPowerButtonClick();
  QTRY_VERIFY_WITH_TIMEOUT(comSetup.LinkTested(), 5000);
  comSetup.close();

  // A read-out opens the main window's port and leaves it open.
  main.ApdComPort1().Open();
  SendCommandFrame(main.ApdComPort1(), "FF0321100003");
  QTRY_VERIFY_WITH_TIMEOUT(
      DecodeReply(Bytes(main.Reply().ReplyRaw()), ExpectedReply::ReadRegisters(3)).status ==
          ReplyStatus::Complete,
      5000);
  ASSERT_TRUE(main.ApdComPort1().IsOpen());

  // A new link test on the same device still works.
  comSetup.show();
  comSetup.PutOutLamps();
  comSetup.TestVrPowerButtonClick();
  QTRY_VERIFY_WITH_TIMEOUT(comSetup.LinkTested(), 5000);
  comSetup.close();

  // So does the EEPROM dialog's port, which got the device when the dialog closed.
  SerialPort& eeprom = windows.EepromPort();
  ASSERT_EQ(eeprom.PortName(), sim.Path().toStdString());
  std::vector<std::uint8_t> received;
  eeprom.SetOnTriggerAvail([&](std::size_t) {
    const auto bytes = eeprom.TakeReceived();
    received.insert(received.end(), bytes.begin(), bytes.end());
  });
  eeprom.Open();
  SendCommandFrame(eeprom, "FF0371100001");
  QTRY_VERIFY_WITH_TIMEOUT(
      DecodeReply(received, ExpectedReply::ReadRegisters(1)).status == ReplyStatus::Complete,
      5000);
  EXPECT_EQ(DecodeReply(received, ExpectedReply::ReadRegisters(1)).registers.at(0), 0x0008);
  eeprom.Close();

  EXPECT_TRUE(main.ApdComPort1().IsOpen()) << "the read-out port is left alone";
  main.close();
}

}  // namespace
}  // namespace corvane
