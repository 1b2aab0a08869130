// The link test of the communication setup dialog through a real serial port on
// a pseudo-terminal, served in real time by the stand-alone virtual drive.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/dialogs/com_setup_form.h"
#include "app/ports/device_port.h"
#include "app/widgets/lamp_led.h"
#include "link/qt/qt_scheduler.h"
#include "sim_process.h"

namespace corvane {
namespace {

class LinkTestOverPty : public ::testing::Test {
 protected:
  QtScheduler scheduler;
  VirtualDrives drives{[] { return std::string("qdr-w"); }};
  DevicePort mainPort{scheduler, drives}, ownPort{scheduler, drives}, eepromPort{scheduler, drives};
  std::uint8_t replyWaitTicks = 10;
  TComSetupForm form{{mainPort, ownPort, eepromPort}, replyWaitTicks};
};

TEST_F(LinkTestOverPty, DriveOnTheLineLightsSuccess) {
  testing::SimProcess sim({"--profile", "qdr-t", "--baud", "19200"});
  ASSERT_FALSE(sim.Path().isEmpty()) << sim.Error().toStdString();
  form.show();
  form.ComPortComboBox()->setCurrentText(sim.Path());
  form.TestVrPowerButtonClick();
  QTRY_VERIFY_WITH_TIMEOUT(form.SuccessAbLED()->isChecked(), 5000);
  EXPECT_FALSE(form.FailAbLED()->isChecked());
  EXPECT_TRUE(form.GoBitBtn()->isEnabled());
  EXPECT_EQ(mainPort.PortName(), sim.Path().toStdString()) << "the read-out port follows";

  form.close();  // the close box
  EXPECT_EQ(eepromPort.PortName(), sim.Path().toStdString());
  EXPECT_FALSE(ownPort.IsOpen());
}

TEST_F(LinkTestOverPty, ReplyGarbledByAWrongBaudRateLightsFail) {
  testing::SimProcess sim({"--profile", "qdr-w", "--baud", "9600"});
  ASSERT_FALSE(sim.Path().isEmpty()) << sim.Error().toStdString();
  form.ComPortComboBox()->setCurrentText(sim.Path());
  form.TestVrPowerButtonClick();  // the port runs at 19200
  QTRY_VERIFY_WITH_TIMEOUT(form.FailAbLED()->isChecked(), 5000);
  EXPECT_FALSE(form.SuccessAbLED()->isChecked());
}

}  // namespace
}  // namespace corvane
