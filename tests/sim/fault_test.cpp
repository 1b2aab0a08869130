// Injected faults: their text form, and how each one looks on the wire.

#include <chrono>

#include <gtest/gtest.h>

#include "sim/fault.h"
#include "sim/line_timing.h"
#include "sim_test_util.h"

namespace corvane::sim {
namespace {

using simtest::PortRig;
using simtest::Read;
using namespace std::chrono_literals;

TEST(FaultText, ParsesEveryKindWithValueAndRequestNumber) {
  struct Case {
    const char* text;
    FaultKind kind;
    unsigned value, only;
  } cases[] = {
      {"no-reply", FaultKind::NoReply, 0, 0},
      {"bad-crc@3", FaultKind::BadCrc, 0, 3},
      {"truncated", FaultKind::Truncated, 0, 0},
      {"truncated=4@2", FaultKind::Truncated, 4, 2},
      {"exception=2", FaultKind::Exception, 2, 0},
      {"wrong-station=7@1", FaultKind::WrongStation, 7, 1},
      {"late=250", FaultKind::Late, 250, 0},
      {"disconnect-after=5", FaultKind::DisconnectAfter, 5, 0},
  };
  for (const auto& c : cases) {
    const Fault fault = ParseFault(c.text);
    EXPECT_EQ(fault.kind, c.kind) << c.text;
    EXPECT_EQ(fault.value, c.value) << c.text;
    EXPECT_EQ(fault.onlyRequest, c.only) << c.text;
    EXPECT_EQ(FaultText(fault), c.text);
  }
}

TEST(FaultText, RejectsMalformedFaultsNamingThem) {
  for (const char* text :
       {"", "slow", "late", "late=", "late=x", "no-reply=1", "bad-crc@0", "bad-crc@",
        "exception=256", "disconnect-after=0", "disconnect-after=3@2", "truncated=-1"}) {
    try {
      ParseFault(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(std::string("'") + text + "'"), std::string::npos)
          << error.what();
    }
  }
}

std::vector<std::uint8_t> NormalReply() {
  PortRig rig;
  return rig.Exchange(Read(0x2110, 3));
}

std::vector<std::uint8_t> WithCrc(std::vector<std::uint8_t> body) {
  AppendCrc(body);
  return body;
}

TEST(FaultsOnTheWire, EachFaultChangesTheReplyAsNamed) {
  const auto normal = NormalReply();
  ASSERT_EQ(normal.size(), 11u);
  const auto withStation = [&](std::uint8_t station) {
    std::vector<std::uint8_t> body(normal.begin(), normal.end() - 2);
    body[0] = station;
    return WithCrc(body);
  };
  auto badCrc = normal;
  badCrc.back() ^= 0xFF;
  struct Case {
    const char* fault;
    std::vector<std::uint8_t> expected;
  } cases[] = {
      {"no-reply", {}},
      {"bad-crc", badCrc},
      {"truncated", {normal.begin(), normal.begin() + 5}},
      {"truncated=3", {normal.begin(), normal.begin() + 3}},
      {"truncated=200", {normal.begin(), normal.end() - 1}},
      {"exception", WithCrc({0xFF, 0x83, 0x04})},
      {"exception=2", WithCrc({0xFF, 0x83, 0x02})},
      {"wrong-station", withStation(0x01)},
      {"wrong-station=7", withStation(0x07)},
  };
  for (const auto& c : cases) {
    PortRig rig("qdr-w", {.faults = {ParseFault(c.fault)}});
    EXPECT_EQ(rig.Exchange(Read(0x2110, 3)), c.expected) << c.fault;
    if (std::string(c.fault) == "bad-crc") {
      EXPECT_FALSE(CrcMatches(rig.Exchange(Read(0x2110, 3))));
    }
  }
}

TEST(FaultsOnTheWire, AtNHitsOnlyThatRequest) {
  PortRig rig("qdr-w", {.faults = {ParseFault("no-reply@2")}});
  EXPECT_FALSE(rig.Exchange(Read(0x2110, 3)).empty());
  EXPECT_TRUE(rig.Exchange(Read(0x2110, 3)).empty());
  EXPECT_FALSE(rig.Exchange(Read(0x2110, 3)).empty());
  EXPECT_EQ(rig.drive->RequestCount(), 3u);
}

TEST(FaultsOnTheWire, LateReplyComesAfterTheExtraDelay) {
  PortRig rig("qdr-w", {.faults = {ParseFault("late=40")}});
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.AdvanceBy(WireTime(8, 19200) + kDefaultTurnaround + 40ms);
  EXPECT_TRUE(rig.port.TakeReceived().empty());
  rig.scheduler.AdvanceBy(WireTime(11, 19200));
  EXPECT_EQ(rig.port.TakeReceived(), NormalReply());
}

TEST(FaultsOnTheWire, DisconnectClosesThePortAfterTheNthReply) {
  PortRig rig("qdr-w", {.faults = {ParseFault("disconnect-after=2")}});
  // Taken at each data notification, as the program does: the close that
  // follows the last reply drops what was not taken.
  std::vector<std::uint8_t> heard;
  rig.port.SetOnTriggerAvail([&](std::size_t) {
    const auto bytes = rig.port.TakeReceived();
    heard.insert(heard.end(), bytes.begin(), bytes.end());
  });
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(heard, NormalReply());
  EXPECT_EQ(rig.closeCount, 0);
  heard.clear();
  rig.port.PutBlock(Read(0x2110, 3));
  rig.scheduler.RunUntilIdle();
  EXPECT_EQ(heard, NormalReply()) << "the second reply still arrives";
  EXPECT_EQ(rig.closeCount, 1);
  EXPECT_FALSE(rig.port.IsOpen());
  try {
    rig.port.PutBlock(Read(0x2110, 3));
    ADD_FAILURE() << "wrote to a disconnected drive";
  } catch (const PortError& error) {
    EXPECT_NE(std::string(error.what()).find("disconnected after 2 requests"), std::string::npos)
        << error.what();
  }
  VirtualSerialPort other(rig.scheduler, rig.drive);
  EXPECT_THROW(other.Open(), PortError) << "the drive is gone for every port";
}

}  // namespace
}  // namespace corvane::sim
