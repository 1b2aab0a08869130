// The communication setup dialog against a fake port: the baud table, the lamp
// states of a link test, the hand-over on close and Go.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/dialogs/com_setup_form.h"
#include "app/widgets/lamp_button.h"
#include "app/widgets/lamp_led.h"
#include "fake_serial_port.h"
#include "link/frames.h"

namespace corvane {
namespace {

using testing::FakeSerialPort;
using testing::ManualScheduler;

std::vector<std::uint8_t> WithCrc(const char* commandFrame) {
  return CompleteFrame(commandFrame).bytes;
}

struct Lamps {
  bool success, fail, go;
  bool operator==(const Lamps&) const = default;
};

class ComSetupFormTest : public ::testing::Test {
 protected:
  ComSetupFormTest() : mainPort(scheduler), ownPort(scheduler), eepromPort(scheduler) {
    form.SetStartHandler([this] { ++startCalls; });
  }

  Lamps State() const {
    return {form.SuccessAbLED()->isChecked(), form.FailAbLED()->isChecked(),
            form.GoBitBtn()->isEnabled()};
  }
  void Answer(std::vector<std::uint8_t> bytes) {
    ownPort.Inject(std::move(bytes));
    scheduler.RunUntilIdle();
  }
  void ChooseBaud(const QString& text) {
    form.BaudComboBox()->setCurrentText(text);
    form.BaudComboBoxChange();
  }

  ManualScheduler scheduler;
  FakeSerialPort mainPort, ownPort, eepromPort;
  std::uint8_t replyWaitTicks = 10;
  TComSetupForm form{{mainPort, ownPort, eepromPort}, replyWaitTicks};
  int startCalls = 0;
};

TEST_F(ComSetupFormTest, BaudRateSetsBothPortsAndTheReplyWait) {
  EXPECT_EQ(replyWaitTicks, 10) << "untouched combo box keeps the initial wait";
  const struct {
    const char* text;
    int baud;
    int ticks;
  } cases[] = {{"4800", 4800, 20}, {"9600", 9600, 15}, {"38400", 38400, 5},
               {"19200", 19200, 8}, {"57600", 57600, 8} /* unknown: wait unchanged */};
  for (const auto& c : cases) {
    ChooseBaud(c.text);
    EXPECT_EQ(mainPort.Baud(), c.baud) << c.text;
    EXPECT_EQ(ownPort.Baud(), c.baud) << c.text;
    EXPECT_EQ(replyWaitTicks, c.ticks) << c.text;
  }
  ChooseBaud("fast");
  EXPECT_EQ(mainPort.Baud(), 57600) << "text that is no number changes nothing";
  EXPECT_EQ(replyWaitTicks, 8);
  EXPECT_TRUE(form.StatusLabel()->text().contains("not a baud rate"));
}

TEST_F(ComSetupFormTest, TypedRateIsInForceWhenTestIsClicked) {
  form.show();
  QLineEdit& edit = *form.BaudComboBox()->lineEdit();
  edit.selectAll();
  QTest::keyClicks(&edit, "4800");  // no Enter: the mouse goes straight to Test
  QTest::mouseClick(form.TestVrPowerButton(), Qt::LeftButton);
  EXPECT_EQ(ownPort.Baud(), 4800);
  EXPECT_EQ(mainPort.Baud(), 4800);
  EXPECT_EQ(replyWaitTicks, 20);
  EXPECT_EQ(ownPort.writes.size(), 1u);
  EXPECT_FALSE(form.StatusLabel()->text().contains("not a baud rate"))
      << "half-typed text is not an error";
}

TEST_F(ComSetupFormTest, LinkTestLampStates) {
  EXPECT_EQ(State(), (Lamps{false, false, false})) << "fresh";

  form.TestVrPowerButtonClick();
  ASSERT_EQ(ownPort.writes.size(), 1u);
  EXPECT_EQ(ownPort.writes[0],
            (std::vector<std::uint8_t>{0xFF, 0x03, 0x21, 0x01, 0x00, 0x02, 0x8A, 0x29}));
  EXPECT_EQ(State(), (Lamps{false, false, false})) << "running";
  EXPECT_TRUE(form.Timer1().isActive());

  form.Timer1Timer();  // a second without an answer
  EXPECT_EQ(State(), (Lamps{false, true, false})) << "failed";
  EXPECT_TRUE(form.StatusLabel()->text().startsWith("No reply within 1 s"));

  Answer(WithCrc("FF030400000000"));
  EXPECT_EQ(State(), (Lamps{true, true, true})) << "late reply after failure";

  form.TestVrPowerButtonClick();
  EXPECT_EQ(State(), (Lamps{false, false, true})) << "new test: lamps out, Go as before";
  Answer(WithCrc("FF030400330001"));
  EXPECT_EQ(State(), (Lamps{true, false, true})) << "passed";
  EXPECT_FALSE(form.Timer1().isActive());
}

TEST_F(ComSetupFormTest, OnlyAWellFormedAnswerFromStationFfPasses) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> reply;
    bool passes;
    const char* message;
  } cases[] = {
      {"data reply in two pieces", WithCrc("FF030400000000"), true, "answered"},
      {"exception reply", WithCrc("FF8302"), true, "exception 02"},
      {"bad CRC", {0xFF, 0x03, 0x04, 0, 0, 0, 0, 0x12, 0x34}, false, "garbled"},
      {"noise of a wrong baud rate", {0x80, 0xF8, 0x00, 0x78, 0xE0}, false, "check the baud rate"},
      {"another station", WithCrc("01030400000000"), false, "station 01"},
      {"echo of the request, then the reply", WithCrc("FF0321010002"), true, "answered"},
  };
  for (const auto& c : cases) {
    form.TestVrPowerButtonClick();
    if (c.reply == WithCrc("FF0321010002")) {  // a converter that echoes what it sends
      Answer(c.reply);
      EXPECT_FALSE(form.SuccessAbLED()->isChecked()) << c.what;
      Answer(WithCrc("FF030400000000"));
    } else if (c.passes && c.reply.size() > 4) {  // arrives in two notifications
      Answer({c.reply.begin(), c.reply.begin() + 3});
      EXPECT_FALSE(form.SuccessAbLED()->isChecked()) << c.what;
      Answer({c.reply.begin() + 3, c.reply.end()});
    } else if (!c.passes && c.reply.front() != 0xFF) {  // a foreign frame, byte by byte
      for (std::uint8_t byte : c.reply) Answer({byte});
    } else {
      Answer(c.reply);
    }
    EXPECT_EQ(form.SuccessAbLED()->isChecked(), c.passes) << c.what;
    EXPECT_EQ(form.FailAbLED()->isChecked(), !c.passes) << c.what;
    EXPECT_TRUE(form.StatusLabel()->text().contains(c.message))
        << c.what << ": " << form.StatusLabel()->text().toStdString();
    form.Timer1Timer();  // a time-out after the verdict changes nothing
    EXPECT_EQ(form.SuccessAbLED()->isChecked(), c.passes) << c.what;
  }
}

TEST_F(ComSetupFormTest, IncompleteReplyOrOnlyAnEchoFailsAtTheTimeOut) {
  const struct {
    std::vector<std::uint8_t> bytes;
    const char* message;
  } cases[] = {{{0xFF, 0x03, 0x04, 0x00}, "Incomplete reply"},
               {WithCrc("FF0321010002"), "only the echo of the request"}};
  for (const auto& c : cases) {
    form.TestVrPowerButtonClick();
    Answer(c.bytes);
    EXPECT_EQ(State(), (Lamps{false, false, false})) << c.message;
    form.Timer1Timer();
    EXPECT_EQ(State(), (Lamps{false, true, false})) << c.message;
    EXPECT_TRUE(form.StatusLabel()->text().contains(c.message))
        << form.StatusLabel()->text().toStdString();
  }
}

TEST_F(ComSetupFormTest, PortThatCannotOpenLeavesTheLampsAlone) {
  form.TestVrPowerButtonClick();
  Answer(WithCrc("FF030400000000"));
  ownPort.openError = "Cannot open port 7 (/dev/ttyS6): No such file or directory";
  ownPort.Close();
  form.TestVrPowerButtonClick();
  EXPECT_EQ(State(), (Lamps{true, false, true}));
  EXPECT_EQ(ownPort.writes.size(), 1u) << "nothing sent";
  EXPECT_TRUE(form.StatusLabel()->text().contains("/dev/ttyS6"));
  EXPECT_FALSE(form.Timer1().isActive());
}

TEST_F(ComSetupFormTest, ClosingHandsThePortButNotTheBaudToTheEepromPort) {
  form.show();
  form.ComPortComboBox()->setCurrentText("3");
  ChooseBaud("9600");
  EXPECT_EQ(mainPort.PortName(), "3");
  EXPECT_EQ(ownPort.PortName(), "3");
  form.close();  // the close box
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(eepromPort.PortName(), "3");
  EXPECT_EQ(eepromPort.Baud(), 19200);
}

TEST_F(ComSetupFormTest, GoHandsOverOnlyAfterAPassedTest) {
  form.show();
  form.TestVrPowerButtonClick();
  Answer(WithCrc("FF030400000000"));
  form.TestVrPowerButtonClick();  // a later test fails
  form.Timer1Timer();
  ASSERT_TRUE(form.GoBitBtn()->isEnabled());
  form.GoBitBtnClick();
  EXPECT_EQ(startCalls, 0);
  EXPECT_TRUE(form.isVisible()) << "the dialog stays for a new test";
  EXPECT_TRUE(form.StatusLabel()->text().contains("press Test"));

  form.TestVrPowerButtonClick();
  Answer(WithCrc("FF030400000000"));
  form.GoBitBtnClick();
  EXPECT_EQ(startCalls, 1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(ownPort.IsOpen());
  EXPECT_FALSE(form.GoBitBtn()->isEnabled());
  EXPECT_TRUE(form.LinkTested()) << "closing leaves the lamps";
}

TEST_F(ComSetupFormTest, TestButtonIsLitWhileHeld) {
  QTest::mousePress(form.TestVrPowerButton(), Qt::LeftButton);
  EXPECT_TRUE(form.TestVrPowerButton()->isActive());
  QTest::mouseRelease(form.TestVrPowerButton(), Qt::LeftButton);
  EXPECT_FALSE(form.TestVrPowerButton()->isActive());
}

}  // namespace
}  // namespace corvane
