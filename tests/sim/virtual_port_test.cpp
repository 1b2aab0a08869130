// The in-process port: wire timing at the port's baud rate, chunked delivery
// through the scheduler, framing of the byte stream, a wrong baud rate, and a
// drive shared by two ports.

#include <chrono>

#include <gtest/gtest.h>

#include "sim/line_timing.h"
#include "sim/port_text.h"
#include "sim_test_util.h"

namespace corvane::sim {
namespace {

using simtest::PortRig;
using simtest::Read;
using simtest::RegistersOf;
using simtest::Request;
using namespace std::chrono_literals;

TEST(VirtualPortTiming, ReplyStartsAfterRequestAndTurnaroundAndEndsWithItsWireTime) {
  for (int baud : {4800, 9600, 19200, 38400}) {
    SCOPED_TRACE(baud);
    PortRig rig("qdr-w", {.lineBaud = baud, .turnaround = 2ms, .faults = {}});
    rig.port.SetBaud(baud);
    const auto request = Read(0x0000, 15);  // reply: 5 + 30 bytes
    rig.port.PutBlock(request);
    EXPECT_TRUE(rig.chunks.empty()) << "nothing is delivered inside PutBlock";

    rig.scheduler.AdvanceBy(WireTime(8, baud) + 2ms);
    EXPECT_TRUE(rig.port.TakeReceived().empty()) << "no byte before request + turnaround";
    rig.scheduler.AdvanceBy(WireTime(35, baud) - 1us);
    EXPECT_LT(rig.port.TakeReceived().size(), 35u) << "the last byte needs its wire time";
    rig.scheduler.AdvanceBy(1us);
    EXPECT_GT(rig.chunks.size(), 1u) << "delivered in several chunks";
    std::size_t total = 0;
    for (auto count : rig.chunks) total += count;
    EXPECT_EQ(total, 35u) << "all bytes by the end of the reply's wire time";
    EXPECT_TRUE(rig.scheduler.Idle());
  }
}

TEST(VirtualPortTiming, ChunksArriveInOrderAndMakeTheWholeReply) {
  PortRig rig;
  std::vector<std::uint8_t> assembled;
  rig.port.SetOnTriggerAvail([&](std::size_t count) {
    const auto bytes = rig.port.TakeReceived();
    EXPECT_EQ(bytes.size(), count);
    assembled.insert(assembled.end(), bytes.begin(), bytes.end());
  });
  rig.port.PutBlock(Read(0x0000, 15));
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(assembled, rig.drive->Handle(Read(0x0000, 15)).bytes);
}

TEST(VirtualPortFraming, BackToBackRequestsGetOneReplyEachInTurn) {
  PortRig rig;
  auto both = Read(0x2110, 3);
  const auto second = Read(0x7110, 2);
  both.insert(both.end(), second.begin(), second.end());
  const auto received = rig.Exchange(both);
  ASSERT_EQ(received.size(), 11u + 9u);
  EXPECT_EQ(RegistersOf({received.begin(), received.begin() + 11}).size(), 3u);
  EXPECT_EQ(RegistersOf({received.begin() + 11, received.end()}),
            (std::vector<std::uint16_t>{0x0008, 0x0008}));
}

TEST(VirtualPortFraming, RequestWrittenInPiecesIsOneRequest) {
  PortRig rig;
  const auto request = Read(0x2101, 2);
  rig.port.PutBlock(request.data(), 3);
  rig.scheduler.AdvanceBy(1ms);
  rig.port.PutBlock(request.data() + 3, 5);
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(RegistersOf(rig.port.TakeReceived()).size(), 2u);
}

TEST(VirtualPortFraming, SilenceEndsUnknownFunctionsAndClearsGarbage) {
  PortRig rig;
  // Function 04 has no fixed length here: the frame ends at the silence.
  const auto odd = Request(0x04, 0x2110, 1);
  std::vector<std::uint8_t> expected{0xFF, 0x84, 0x01};
  AppendCrc(expected);
  EXPECT_EQ(rig.Exchange(odd), expected);

  // Stray bytes are dropped at the silence; the next request is heard whole.
  const std::uint8_t junk[] = {0x12, 0x34, 0x56};
  rig.port.PutBlock(junk, sizeof junk);
  rig.scheduler.RunUntilIdle();
  EXPECT_TRUE(rig.port.TakeReceived().empty());
  EXPECT_EQ(RegistersOf(rig.Exchange(Read(0x2110, 3))).size(), 3u);
}

TEST(VirtualPortBaud, WrongRateGivesNoiseAndTheDriveHearsNothing) {
  PortRig rig("qdr-w", {.lineBaud = 19200, .turnaround = kDefaultTurnaround, .faults = {}});
  rig.port.SetBaud(9600);
  const auto noise = rig.Exchange(Read(0x0000, 15));
  ASSERT_FALSE(noise.empty());
  EXPECT_FALSE(CrcMatches(noise));
  EXPECT_GT(noise.size(), 10u) << "about as long as the reply's wire time";
  EXPECT_LT(noise.size(), 35u);
  EXPECT_FALSE(rig.Exchange(Request(0x06, 0x7112, 0x1234)).empty());
  EXPECT_EQ(rig.drive->RequestCount(), 0u);
  EXPECT_EQ(rig.drive->Registers().Value(0x7112), 0x2000) << "a garbled write changes nothing";

  rig.port.SetBaud(19200);
  EXPECT_EQ(RegistersOf(rig.Exchange(Read(0x2110, 3))).size(), 3u);
}

TEST(VirtualPortBaud, DriveAtRateZeroAnswersAnyRate) {
  for (int baud : {4800, 38400}) {
    PortRig rig("qdr-w", {.lineBaud = 0, .turnaround = kDefaultTurnaround, .faults = {}});
    rig.port.SetBaud(baud);
    rig.port.PutBlock(Read(0x2110, 3));
    rig.scheduler.AdvanceBy(WireTime(8, baud) + kDefaultTurnaround + WireTime(11, baud));
    EXPECT_EQ(RegistersOf(rig.port.TakeReceived()).size(), 3u) << baud;
  }
}

TEST(VirtualPortSharing, EepromWritesLastForEveryPortOnTheDrive) {
  PortRig rig;
  const auto write = Request(0x06, 0x7112, 0x1234);
  EXPECT_EQ(rig.Exchange(write), write);
  rig.port.Close();

  VirtualSerialPort second(rig.scheduler, rig.drive);
  second.Open();
  second.PutBlock(Read(0x7112, 1));
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(RegistersOf(second.TakeReceived()), std::vector<std::uint16_t>{0x1234});

  PortRig fresh;
  EXPECT_EQ(RegistersOf(fresh.Exchange(Read(0x7112, 1))), std::vector<std::uint16_t>{0x2000});
}

TEST(VirtualPortLifecycle, CloseDropsWhatIsInFlightAndWritesNeedAnOpenPort) {
  PortRig rig;
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.AdvanceBy(6ms);  // the drive has the request; its reply is not on the wire yet
  rig.port.Close();
  EXPECT_FALSE(rig.port.IsOpen());
  EXPECT_EQ(rig.closeCount, 0) << "the notification comes later, never inside Close";
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(rig.closeCount, 1);
  EXPECT_TRUE(rig.chunks.empty());
  EXPECT_THROW(rig.port.PutBlock(Read(0x2110, 3)), PortError);
  rig.port.Close();
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(rig.closeCount, 1) << "closing a closed port says nothing";

  rig.port.Open();
  EXPECT_EQ(RegistersOf(rig.Exchange(Read(0x2110, 3))).size(), 3u);
}

// As on a real port, closing ends what the port received: bytes not yet taken
// are gone, also after a new Open, and every close is reported once.
TEST(VirtualPortLifecycle, CloseDropsReceivedBytesNotYetTaken) {
  PortRig rig;
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.RunUntilIdle();
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.AdvanceBy(2ms);  // the second request is still on the wire
  rig.port.Close();
  EXPECT_TRUE(rig.port.TakeReceived().empty());
  rig.port.Open();
  rig.port.Close();
  rig.port.Open();
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(rig.closeCount, 2) << "once for each close, also when opened again meanwhile";
  EXPECT_EQ(rig.drive->RequestCount(), 1u) << "the drive never hears a request cut off";
  EXPECT_TRUE(rig.port.TakeReceived().empty());
  EXPECT_EQ(RegistersOf(rig.Exchange(Read(0x2110, 3))).size(), 3u);
}

TEST(VirtualPortLifecycle, PortDestroyedAfterCloseSaysNothing) {
  corvane::testing::ManualScheduler scheduler;
  auto drive = std::make_shared<DriveModel>(LoadBuiltinProfile("qdr-r"));
  int closes = 0;
  {
    VirtualSerialPort port(scheduler, drive);
    port.SetOnPortClose([&closes] { ++closes; });
    port.Open();
    port.Close();
  }
  scheduler.RunUntilIdle();
  EXPECT_EQ(closes, 0);
}

TEST(VirtualPortLifecycle, DestroyingThePortWithAReplyInFlightIsSafe) {
  corvane::testing::ManualScheduler scheduler;
  auto drive = std::make_shared<DriveModel>(LoadBuiltinProfile("qdr-r"));
  {
    VirtualSerialPort port(scheduler, drive);
    port.Open();
    port.PutBlock(Read(0x2110, 3));
  }
  scheduler.RunUntilIdle();
  EXPECT_EQ(drive->RequestCount(), 0u);
}

// An unanswered request that drops the line closes the port while the line is
// still handing the request to the drive; the owner may destroy the port then.
TEST(VirtualPortLifecycle, DestroyingThePortWhenTheDriveDropsTheLineIsSafe) {
  corvane::testing::ManualScheduler scheduler;
  auto drive = std::make_shared<DriveModel>(
      LoadBuiltinProfile("qdr-r"),
      DriveSettings{.faults = {ParseFault("no-reply"), ParseFault("disconnect-after=1")}});
  auto port = std::make_unique<VirtualSerialPort>(scheduler, drive);
  int closes = 0;
  port->SetOnPortClose([&closes, &port] {
    ++closes;
    port.reset();
  });
  port->Open();
  port->PutBlock(Read(0x2110, 3));
  scheduler.RunUntilIdle();
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(port, nullptr);
  EXPECT_TRUE(drive->Disconnected());
}

TEST(VirtualPortText, RecognisesVirtualPortTexts) {
  struct Case {
    const char* text;
    std::optional<std::string> profile;
  } cases[] = {
      {"virtual", ""},
      {"virtual:qdr-t", "qdr-t"},
      {"virtual:/home/me/drive.profile", "/home/me/drive.profile"},
      {"virtual:", std::nullopt},
      {"virtualx", std::nullopt},
      {"Virtual", std::nullopt},
      {"/dev/ttyUSB0", std::nullopt},
      {"3", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseVirtualPortText(c.text), c.profile) << c.text;
}

}  // namespace
}  // namespace corvane::sim
