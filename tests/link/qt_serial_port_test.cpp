#include "link/qt/qt_serial_port.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <QtCore/qtestsupport_core.h>
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <gtest/gtest.h>

#include "link/frames.h"
#include "pty_pair.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kWaitMs = 5000;

// One handle with what it has received and how often it was told of a close.
struct Endpoint {
  explicit Endpoint(const std::string& device, int baud = 19200) {
    port.SetPortName(device);
    port.SetBaud(baud);
    port.SetOnTriggerAvail([this](std::size_t) {
      const Bytes bytes = port.TakeReceived();
      received.insert(received.end(), bytes.begin(), bytes.end());
    });
    port.SetOnPortClose([this] { ++closes; });
  }
  QtSerialPort port;
  Bytes received;
  int closes = 0;
};

// Lets every notification queued so far be delivered.
void DrainQueuedNotifications() {
  QObject marker;
  bool reached = false;
  QMetaObject::invokeMethod(
      &marker, [&] { reached = true; }, Qt::QueuedConnection);
  ASSERT_TRUE(QTest::qWaitFor([&] { return reached; }, kWaitMs));
}

Bytes ReadFromSlave(testing::PtyPair& pty, std::size_t count) {
  Bytes got;
  const bool arrived = QTest::qWaitFor(
      [&] {
        const Bytes more = pty.ReadFromSlave();
        got.insert(got.end(), more.begin(), more.end());
        return got.size() >= count;
      },
      kWaitMs);
  if (!arrived) ADD_FAILURE() << "only " << got.size() << " of " << count << " bytes arrived";
  return got;
}

// A symbolic link in the temporary folder, removed however the test ends.
class TempSymlink {
 public:
  TempSymlink(const std::string& target, const std::string& stem)
      : path_(std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(getpid()))) {
    std::filesystem::remove(path_);
    std::filesystem::create_symlink(target, path_);
  }
  ~TempSymlink() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TempSymlink(const TempSymlink&) = delete;
  TempSymlink& operator=(const TempSymlink&) = delete;

  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

Bytes AllByteValues() {
  Bytes all;
  for (int value = 0; value < 256; ++value) all.push_back(static_cast<std::uint8_t>(value));
  return all;
}

TEST(QtSerialPortTest, AllByteValuesPassBothWaysUnchanged) {
  testing::PtyPair pty;
  Endpoint drive(pty.SlavePath());
  drive.port.Open();

  pty.WriteToSlave(AllByteValues());
  EXPECT_TRUE(QTest::qWaitFor([&] { return drive.received.size() >= 256; }, kWaitMs));
  EXPECT_EQ(drive.received, AllByteValues());

  drive.port.PutBlock(AllByteValues());
  EXPECT_EQ(ReadFromSlave(pty, 256), AllByteValues());
}

TEST(QtSerialPortTest, WorkedFramesGoOutByteExact) {
  testing::PtyPair pty;
  QtSerialPort port;
  port.SetPortName(pty.SlavePath());
  port.Open();
  const std::pair<const char*, Bytes> frames[] = {
      {"FF0321100003", {0xFF, 0x03, 0x21, 0x10, 0x00, 0x03, 0x1B, 0xEC}},
      {"FF0323000004", {0xFF, 0x03, 0x23, 0x00, 0x00, 0x04, 0x5A, 0x53}},
      {"FF0321100002", {0xFF, 0x03, 0x21, 0x10, 0x00, 0x02, 0xDA, 0x2C}},
      {"FF0321010002", {0xFF, 0x03, 0x21, 0x01, 0x00, 0x02, 0x8A, 0x29}},
  };
  for (const auto& [text, wire] : frames) {
    SendCommandFrame(port, text);
    EXPECT_EQ(ReadFromSlave(pty, wire.size()), wire) << text;
  }
}

TEST(QtSerialPortTest, HandlesOnOneDeviceShareItAndKeepTheirOwnBaud) {
  testing::PtyPair pty;
  // The second handle names the device through a symbolic link.
  const TempSymlink link(pty.SlavePath(), "corvane-link");
  Endpoint mainWindow(pty.SlavePath(), 19200);
  Endpoint dialog(link.Path(), 9600);

  mainWindow.port.Open();
  dialog.port.Open();  // a second open of the device would fail on its lock

  mainWindow.port.PutBlock(Bytes{0x01});
  EXPECT_EQ(ReadFromSlave(pty, 1), Bytes{0x01});
  EXPECT_EQ(pty.SlaveBaud(), 19200);
  pty.WriteToSlave({0xA1});
  EXPECT_TRUE(QTest::qWaitFor([&] { return mainWindow.received.size() == 1; }, kWaitMs));

  dialog.port.PutBlock(Bytes{0x02});
  EXPECT_EQ(ReadFromSlave(pty, 1), Bytes{0x02});
  EXPECT_EQ(pty.SlaveBaud(), 9600);
  pty.WriteToSlave({0xB1, 0xB2});
  EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.received.size() == 2; }, kWaitMs));
  EXPECT_EQ(mainWindow.received, Bytes{0xA1}) << "the reply went to the handle that asked";
  EXPECT_EQ(dialog.received, (Bytes{0xB1, 0xB2}));

  // The handle holding the conversation changes the rate at once.
  dialog.port.SetBaud(4800);
  EXPECT_EQ(pty.SlaveBaud(), 4800);

  dialog.port.Close();
  DrainQueuedNotifications();
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_EQ(mainWindow.closes, 0);
  EXPECT_TRUE(mainWindow.port.IsOpen());

  mainWindow.port.PutBlock(Bytes{0x03});
  EXPECT_EQ(ReadFromSlave(pty, 1), Bytes{0x03});
  EXPECT_EQ(pty.SlaveBaud(), 19200);
  pty.WriteToSlave({0xA2});
  EXPECT_TRUE(QTest::qWaitFor([&] { return mainWindow.received.size() == 2; }, kWaitMs));
  EXPECT_EQ(mainWindow.received, (Bytes{0xA1, 0xA2}));

  // Reopening joins the device that is still open.
  dialog.port.Open();
  dialog.port.PutBlock(Bytes{0x04});
  EXPECT_EQ(ReadFromSlave(pty, 1), Bytes{0x04});
}

TEST(QtSerialPortTest, OpenFailuresNameThePortTheDeviceAndTheReason) {
  struct Case {
    std::string portText;
    std::string message;
  };
  const Case cases[] = {
      {"/dev/corvane-no-such-device",
       "Cannot open port /dev/corvane-no-such-device: No such file or directory"},
      {"250", "Cannot open port 250 (/dev/ttyS249): No such file or directory"},
      {"corvane-no-such-device",
       "Cannot open port corvane-no-such-device (/dev/corvane-no-such-device): No such file"},
      {"0", "Cannot open port 0: no port chosen"},
  };
  for (const Case& c : cases) {
    QtSerialPort port;
    port.SetPortName(c.portText);
    try {
      port.Open();
      ADD_FAILURE() << c.portText << " opened";
    } catch (const PortError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
    EXPECT_FALSE(port.IsOpen());
    try {
      port.PutBlock(Bytes{0x01});
      ADD_FAILURE() << "wrote to a closed port";
    } catch (const PortError& error) {
      EXPECT_NE(std::string(error.what()).find("Cannot write to port " + c.portText),
                std::string::npos)
          << error.what();
    }
  }
}

TEST(QtSerialPortTest, PortClosedIsReportedLaterAndOnlyForAnOpenPort) {
  testing::PtyPair pty;
  Endpoint drive(pty.SlavePath());
  drive.port.Close();  // never opened
  DrainQueuedNotifications();
  EXPECT_EQ(drive.closes, 0);

  drive.port.Open();
  drive.port.Open();  // stays open, once
  drive.port.Close();
  EXPECT_EQ(drive.closes, 0) << "reported inside Close";
  EXPECT_FALSE(drive.port.IsOpen());
  DrainQueuedNotifications();
  EXPECT_EQ(drive.closes, 1);

  drive.port.Close();
  DrainQueuedNotifications();
  EXPECT_EQ(drive.closes, 1);
}

TEST(QtSerialPortTest, CloseDropsReceivedBytesNotYetTaken) {
  testing::PtyPair pty;
  QtSerialPort port;
  port.SetPortName(pty.SlavePath());
  int dataNotifications = 0;
  port.SetOnTriggerAvail([&](std::size_t) { ++dataNotifications; });  // leaves the bytes
  port.Open();
  pty.WriteToSlave({0x11, 0x22});
  ASSERT_TRUE(QTest::qWaitFor([&] { return dataNotifications == 1; }, kWaitMs));

  port.Close();
  EXPECT_TRUE(port.TakeReceived().empty());
  port.Open();
  EXPECT_TRUE(port.TakeReceived().empty());
}

// Calls a function just before the first queued call to a plain QObject (the
// handle's notifications) is delivered, i.e. while that notification is queued.
class BeforeFirstQueuedCall : public QObject {
 public:
  explicit BeforeFirstQueuedCall(std::function<void()> action) : action_(std::move(action)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~BeforeFirstQueuedCall() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool Fired() const { return fired_; }

  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!fired_ && event->type() == QEvent::MetaCall &&
        receiver->metaObject() == &QObject::staticMetaObject) {
      fired_ = true;
      action_();
    }
    return false;
  }

 private:
  std::function<void()> action_;
  bool fired_ = false;
};

TEST(QtSerialPortTest, DataNotificationsQueuedAtCloseAreNotDelivered) {
  for (const bool reopen : {false, true}) {
    SCOPED_TRACE(reopen ? "closed and opened again" : "closed");
    testing::PtyPair pty;
    Endpoint drive(pty.SlavePath());
    int dataNotifications = 0;
    drive.port.SetOnTriggerAvail([&](std::size_t) { ++dataNotifications; });
    drive.port.Open();
    BeforeFirstQueuedCall closer([&] {
      drive.port.Close();
      if (reopen) drive.port.Open();
    });
    pty.WriteToSlave({0x33});
    ASSERT_TRUE(QTest::qWaitFor([&] { return closer.Fired(); }, kWaitMs));
    DrainQueuedNotifications();

    EXPECT_EQ(dataNotifications, 0);
    EXPECT_EQ(drive.closes, 1) << "the close is still reported, also after a new open";
    EXPECT_EQ(drive.port.IsOpen(), reopen);
    EXPECT_TRUE(drive.port.TakeReceived().empty());
  }
}

TEST(QtSerialPortTest, DeviceThatGoesAwayClosesEveryHandleOnIt) {
  auto pty = std::make_unique<testing::PtyPair>();
  Endpoint first(pty->SlavePath());
  Endpoint second(pty->SlavePath());
  first.port.Open();
  second.port.Open();
  pty.reset();

  EXPECT_TRUE(QTest::qWaitFor([&] { return first.closes == 1 && second.closes == 1; }, kWaitMs));
  EXPECT_FALSE(first.port.IsOpen());
  EXPECT_FALSE(second.port.IsOpen());
  EXPECT_FALSE(first.port.FailureReason().empty());
  EXPECT_THROW(first.port.PutBlock(Bytes{0x01}), PortError);
}

// A write can come before the event loop has noticed the device is gone: the
// write itself finds out. The reason must still reach every handle on the device.
TEST(QtSerialPortTest, EveryHandleLearnsWhyTheDeviceWentAwayEvenAfterAWriteFoundOut) {
  testing::PtyPair pty;
  Endpoint writer(pty.SlavePath());
  Endpoint other(pty.SlavePath());
  writer.port.Open();
  other.port.Open();
  pty.CloseMaster();

  std::string reason;
  try {
    writer.port.PutBlock(Bytes{0x01});
    ADD_FAILURE() << "wrote to a device that is gone";
  } catch (const PortError& error) {
    const std::string message = error.what();
    const std::string prefix = "Cannot write to port " + pty.SlavePath() + ": ";
    ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
    reason = message.substr(prefix.size());
  }
  ASSERT_FALSE(reason.empty());
  try {
    other.port.PutBlock(Bytes{0x02});
    ADD_FAILURE() << "the other handle wrote to a device that is gone";
  } catch (const PortError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot write to port " + pty.SlavePath() + ": " + reason);
  }
  Endpoint late(pty.SlavePath());
  try {
    late.port.Open();
    ADD_FAILURE() << "joined a device that is gone";
  } catch (const PortError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open port " + pty.SlavePath() + ": " + reason);
  }

  EXPECT_TRUE(QTest::qWaitFor([&] { return writer.closes == 1 && other.closes == 1; }, kWaitMs));
  for (Endpoint* handle : {&writer, &other}) {
    EXPECT_FALSE(handle->port.IsOpen());
    EXPECT_EQ(handle->port.FailureReason(), reason);
    try {
      handle->port.PutBlock(Bytes{0x03});
      ADD_FAILURE() << "wrote to a closed port";
    } catch (const PortError& error) {
      EXPECT_NE(std::string(error.what()).find("closed after a failure (" + reason + ")"),
                std::string::npos)
          << error.what();
    }
  }
}

TEST(QtSerialPortTest, PortNumbersAreThePlatformsPorts) {
  EXPECT_EQ(QtSerialPort::DeviceForPortName("1"), "/dev/ttyS0");
  EXPECT_EQ(QtSerialPort::DeviceForPortName("3"), "/dev/ttyS2");
  EXPECT_EQ(QtSerialPort::DeviceForPortName("ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(QtSerialPort::DeviceForPortName("/dev/pts/7"), "/dev/pts/7");
  EXPECT_EQ(QtSerialPort::DeviceForPortName("0"), "");
  EXPECT_EQ(QtSerialPort::DeviceForPortName(""), "");
}

}  // namespace
}  // namespace corvane
