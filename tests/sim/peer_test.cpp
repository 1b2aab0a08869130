// The real corvane-drive-sim on its pseudo-terminal, asked by Qt's own Modbus
// RTU client (an implementation we did not write), checked against the profile.

#include <signal.h>
#include <sys/wait.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include <QElapsedTimer>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QModbusRtuSerialClient>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "sim/profile_loader.h"
#include "sim_process.h"

namespace corvane::sim {
namespace {

const QString kProgram = QStringLiteral(CORVANE_BIN_DIR "/corvane-drive-sim");

using testing::SimProcess;

class SimPeer : public ::testing::Test {
 protected:
  void SetUp() override {
    profile_ = LoadProfileFile(CORVANE_SOURCE_DIR "/sim/profiles/qdr-w.profile");
    sim_ = std::make_unique<SimProcess>(QStringList{"--profile", "qdr-w"} + ExtraArgs());
    path_ = sim_->Path();
    ASSERT_TRUE(path_.startsWith("/dev/")) << sim_->Error().toStdString();

    client_.setConnectionParameter(QModbusDevice::SerialPortNameParameter, path_);
    client_.setConnectionParameter(QModbusDevice::SerialBaudRateParameter, QSerialPort::Baud19200);
    client_.setConnectionParameter(QModbusDevice::SerialDataBitsParameter, QSerialPort::Data8);
    client_.setConnectionParameter(QModbusDevice::SerialParityParameter, QSerialPort::NoParity);
    client_.setConnectionParameter(QModbusDevice::SerialStopBitsParameter, QSerialPort::TwoStop);
    client_.setTimeout(1000);
    client_.setNumberOfRetries(0);
    ASSERT_TRUE(client_.connectDevice());
    QSignalSpy connected(&client_, &QModbusDevice::stateChanged);
    for (int k = 0; k < 50 && client_.state() != QModbusDevice::ConnectedState; ++k) {
      connected.wait(100);
    }
    ASSERT_EQ(client_.state(), QModbusDevice::ConnectedState)
        << client_.errorString().toStdString();
  }

  void TearDown() override { client_.disconnectDevice(); }

  virtual QStringList ExtraArgs() const { return {}; }

  // Sends a request at station FF and waits, bounded, for its outcome.
  QModbusDataUnit Finish(QModbusReply* reply) {
    EXPECT_NE(reply, nullptr) << client_.errorString().toStdString();
    if (!reply) return {};
    if (!reply->isFinished()) {
      QSignalSpy finished(reply, &QModbusReply::finished);
      EXPECT_TRUE(finished.wait(3000)) << "no answer within 3 s";
    }
    EXPECT_EQ(reply->error(), QModbusDevice::NoError) << reply->errorString().toStdString();
    const QModbusDataUnit unit = reply->result();
    reply->deleteLater();
    return unit;
  }

  QList<quint16> ReadRegisters(int address, int count) {
    return Finish(client_.sendReadRequest(
                      QModbusDataUnit(QModbusDataUnit::HoldingRegisters, address, count), 0xFF))
        .values();
  }

  DriveProfile profile_;
  std::unique_ptr<SimProcess> sim_;
  QString path_;
  QModbusRtuSerialClient client_;
};

TEST_F(SimPeer, QtClientReadsIdentificationAttributesAndEeprom) {
  const auto id = ReadRegisters(0x2110, 3);
  ASSERT_EQ(id.size(), 3);
  EXPECT_EQ((id[0] >> 8) & 0x0F, 4) << "series W";
  EXPECT_EQ(id[1] & 0xFF, profile_.groups.size());

  const SimParameter& p = profile_.groups[1].parameters[2];
  const auto block = ReadRegisters(0x0102, 15);
  ASSERT_EQ(block.size(), 15);
  EXPECT_EQ(block[1], p.maximum);
  EXPECT_EQ(block[2], p.minimum);
  EXPECT_EQ(block[4], p.defaultValue);
  EXPECT_EQ((block[3] >> 8) & 0x03, p.decimals);
  QByteArray name;
  for (int k = 5; k < 13; ++k) name.append(char(block[k] >> 8)).append(char(block[k] & 0xFF));
  EXPECT_EQ(name.left(int(p.name.size())).toStdString(), p.name);
  EXPECT_EQ(name.mid(int(p.name.size())), QByteArray(16 - int(p.name.size()), '\0'));

  EXPECT_EQ(ReadRegisters(0x7110, 2), (QList<quint16>{0x0008, 0x0008}));
}

TEST_F(SimPeer, QtClientWritesAnEepromRegisterThatReadsBack) {
  QModbusDataUnit write(QModbusDataUnit::HoldingRegisters, 0x7112, 1);
  write.setValue(0, 0x2002);
  const QModbusDataUnit echoed = Finish(client_.sendWriteRequest(write, 0xFF));
  EXPECT_EQ(echoed.startAddress(), 0x7112);
  EXPECT_EQ(ReadRegisters(0x7112, 1), QList<quint16>{0x2002});
}

TEST_F(SimPeer, ExceptionReachesTheClientAsAProtocolError) {
  QModbusReply* reply =
      client_.sendReadRequest(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x1234, 1), 0xFF);
  ASSERT_NE(reply, nullptr);
  QSignalSpy finished(reply, &QModbusReply::finished);
  ASSERT_TRUE(reply->isFinished() || finished.wait(3000));
  EXPECT_EQ(reply->error(), QModbusDevice::ProtocolError);
  EXPECT_EQ(reply->rawResult().exceptionCode(), QModbusPdu::IllegalDataAddress);
  reply->deleteLater();
}

class SimPeerDisconnect : public SimPeer {
  QStringList ExtraArgs() const override { return {"--fault", "disconnect-after=1"}; }
};

TEST_F(SimPeerDisconnect, TerminalClosesAfterTheLastReply) {
  EXPECT_EQ(ReadRegisters(0x2101, 2).size(), 2) << "the last reply is read in full";
  QProcess& process = sim_->Process();
  ASSERT_TRUE(process.state() == QProcess::NotRunning || process.waitForFinished(5000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(process.readAllStandardError().contains("disconnected after 1 request "));
}

TEST(SimProgram, BadArgumentsExitNonZeroWithAClearLine) {
  struct Case {
    QStringList args;
    int exitCode;
    const char* says;
  } cases[] = {
      {{"--profile", "qdr-x"}, 1, "no built-in profile"},
      {{"--profile", "qdr-w", "--baud", "fast"}, 2, "--baud needs"},
      {{}, 2, "--profile NAME|PATH is required"},
  };
  for (const auto& c : cases) {
    QProcess process;
    process.start(kProgram, c.args);
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), c.exitCode) << c.says;
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(process.readAllStandardError().contains(c.says)) << c.says;
  }
}

TEST(SimProgram, ListsProfilesAndStopsCleanlyOnTerminate) {
  QProcess list;
  list.start(kProgram, {"--list-profiles"});
  ASSERT_TRUE(list.waitForFinished(5000));
  EXPECT_EQ(list.readAllStandardOutput(),
            "qdr-r\nqdr-t\nqdr-h\nqdr-n\nqdr-w\nqdr-k\nqdr-p\nqrt410\nhlw620\npx\n");

  SimProcess sim({"--profile", "px"});
  ASSERT_TRUE(sim.Path().startsWith("/dev/")) << sim.Error().toStdString();
  sim.Process().terminate();
  ASSERT_TRUE(sim.Process().waitForFinished(5000));
  EXPECT_EQ(sim.Process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(sim.Process().exitCode(), 0);
}

#if defined(__linux__)
// While it lives, a drive whose parent dies is adopted by this test process,
// which can then reap it and see how it ended.
class Adopter {
 public:
  Adopter() { prctl(PR_SET_CHILD_SUBREAPER, 1); }
  ~Adopter() { prctl(PR_SET_CHILD_SUBREAPER, 0); }
  Adopter(const Adopter&) = delete;
  Adopter& operator=(const Adopter&) = delete;
};

TEST(SimProgram, EndsWithTheProcessThatStartedItWhenAsked) {
  Adopter adopter;
  // A shell starts the drive, says its process id and waits; then it is killed,
  // as a test process may be. The drive's log goes to /dev/null: a write to the
  // dead shell's pipe would end the drive whether it follows its parent or not.
  QProcess shell;
  shell.start(
      QStringLiteral("/bin/sh"),
      {"-c", "\"$0\" --profile px --exit-with-parent 2>/dev/null & echo $!; read line", kProgram});
  pid_t drive = 0;
  bool serving = false;
  QElapsedTimer waited;
  waited.start();
  while ((drive == 0 || !serving) && waited.elapsed() < 10000) {
    if (!shell.canReadLine()) {
      shell.waitForReadyRead(100);
      continue;
    }
    const QByteArray line = shell.readLine().trimmed();
    if (line.startsWith("/dev/")) {
      serving = true;  // the drive's first line
    } else {
      drive = static_cast<pid_t>(line.toLong());
    }
  }
  ASSERT_GT(drive, 0);
  shell.kill();
  ASSERT_TRUE(shell.waitForFinished(5000));
  EXPECT_TRUE(serving) << "the drive did not start";

  int status = 0;
  pid_t reaped = 0;
  waited.restart();
  while ((reaped = waitpid(drive, &status, WNOHANG)) == 0 && waited.elapsed() < 5000) {
    QTest::qWait(10);
  }
  if (reaped == 0) {  // still serving: end it by its id
    ::kill(drive, SIGKILL);
    waitpid(drive, &status, 0);
  }
  ASSERT_EQ(reaped, drive) << "the drive outlived the process that started it";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "it stops as on SIGTERM";
}
#endif

}  // namespace
}  // namespace corvane::sim
