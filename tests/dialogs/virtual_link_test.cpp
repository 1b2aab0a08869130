// The link test against the built-in virtual drive, on a manual clock, and the
// port that chooses between the virtual drive and a real device.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/dialogs/com_setup_form.h"
#include "app/ports/device_port.h"
#include "app/widgets/lamp_led.h"
#include "fake_serial_port.h"
#include "link/frames.h"
#include "link/rtu_reply.h"
#include "sim/builtin_profiles.h"
#include "sim/drive_model.h"
#include "sim/virtual_serial_port.h"

namespace corvane {
namespace {

using testing::FakeSerialPort;
using testing::ManualScheduler;

std::string Profile() { return sim::kDefaultProfileName; }

class VirtualLinkTest : public ::testing::Test {
 protected:
  ManualScheduler scheduler;
  VirtualDrives drives{Profile};
  FakeSerialPort mainPort{scheduler}, eepromPort{scheduler};
  std::uint8_t replyWaitTicks = 10;
};

TEST_F(VirtualLinkTest, PassesAgainstTheVirtualDrive) {
  DevicePort ownPort(scheduler, drives);
  TComSetupForm form({mainPort, ownPort, eepromPort}, replyWaitTicks);
  form.ComPortComboBox()->setCurrentText("virtual");
  form.TestVrPowerButtonClick();
  EXPECT_FALSE(form.SuccessAbLED()->isChecked()) << "the answer takes wire time";
  scheduler.RunUntilIdle();
  EXPECT_TRUE(form.SuccessAbLED()->isChecked()) << form.StatusLabel()->text().toStdString();
  EXPECT_FALSE(form.FailAbLED()->isChecked());
  EXPECT_TRUE(form.GoBitBtn()->isEnabled());
}

TEST_F(VirtualLinkTest, FailsWhenTheDriveIsSilentOrAtAnotherBaudRate) {
  const struct {
    const char* what;
    sim::DriveSettings settings;
    int portBaud;
  } cases[] = {
      {"silent drive", {.faults = {sim::ParseFault("no-reply")}}, 19200},
      {"drive at 19200, port at 9600", {}, 9600},
  };
  for (const auto& c : cases) {
    auto drive = std::make_shared<sim::DriveModel>(sim::LoadBuiltinProfile(Profile()), c.settings);
    sim::VirtualSerialPort ownPort(scheduler, drive);
    TComSetupForm form({mainPort, ownPort, eepromPort}, replyWaitTicks);
    ownPort.SetBaud(c.portBaud);
    form.TestVrPowerButtonClick();
    scheduler.RunUntilIdle();
    EXPECT_FALSE(form.SuccessAbLED()->isChecked()) << c.what;
    form.Timer1Timer();  // the second has passed, whatever came
    EXPECT_TRUE(form.FailAbLED()->isChecked()) << c.what;
    EXPECT_FALSE(form.SuccessAbLED()->isChecked()) << c.what;
    EXPECT_FALSE(form.StatusLabel()->text().isEmpty()) << c.what;
  }
}

// Reads one register through a port, on the manual clock.
std::optional<std::uint16_t> ReadRegister(SerialPort& port, ManualScheduler& scheduler,
                                          const char* frame) {
  port.Open();
  SendCommandFrame(port, frame);
  scheduler.RunUntilIdle();
  const auto bytes = port.TakeReceived();
  const RtuReply reply = DecodeReply(bytes, ExpectedReply::ReadRegisters(1));
  if (reply.status != ReplyStatus::Complete || reply.IsException()) return std::nullopt;
  return reply.registers.at(0);
}

TEST_F(VirtualLinkTest, PortsOnOneVirtualDriveShareItsEeprom) {
  DevicePort writer(scheduler, drives), reader(scheduler, drives);
  writer.SetPortName("virtual");
  reader.SetPortName("virtual:" + Profile());  // the same drive by its name
  writer.Open();
  SendCommandFrame(writer, "FF0671132002");
  scheduler.RunUntilIdle();
  EXPECT_EQ(ReadRegister(reader, scheduler, "FF0371130001"), 0x2002);
}

TEST_F(VirtualLinkTest, PortTextDecidesTheDeviceAtOpen) {
  DevicePort port(scheduler, drives);
  int closes = 0;
  port.SetOnPortClose([&] { ++closes; });
  port.SetPortName("virtual");
  EXPECT_TRUE(ReadRegister(port, scheduler, "FF0371100001").has_value());

  port.SetPortName("/dev/corvane-no-such-device");
  try {
    port.Open();
    FAIL() << "opened a device that does not exist";
  } catch (const PortError& error) {
    EXPECT_NE(std::string(error.what()).find("/dev/corvane-no-such-device"), std::string::npos);
  }
  EXPECT_FALSE(port.IsOpen()) << "the virtual drive was let go";

  port.SetPortName("virtual:no-such-profile");
  EXPECT_THROW(port.Open(), PortError);
}

}  // namespace
}  // namespace corvane
