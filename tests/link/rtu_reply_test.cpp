#include "link/rtu_reply.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/frames.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// FF 03 06 00 12 00 05 00 01 + CRC: three registers 0012, 0005, 0001.
const Bytes kReadReply = {0xFF, 0x03, 0x06, 0x00, 0x12, 0x00, 0x05, 0x00, 0x01, 0x00, 0xD3};

TEST(DecodeReplyTest, CompleteAnswers) {
  struct Case {
    const char* name;
    Bytes received;
    ExpectedReply expected;
    std::size_t length;
    std::vector<std::uint16_t> registers;
    std::optional<std::uint8_t> exception;
  };
  const Case cases[] = {
      {"read 3 registers",
       kReadReply,
       ExpectedReply::ReadRegisters(3),
       11,
       {0x0012, 0x0005, 0x0001},
       {}},
      {"station 11 example",
       {0x11, 0x03, 0x06, 0xAE, 0x41, 0x56, 0x52, 0x43, 0x40, 0x49, 0xAD},
       ExpectedReply::ReadRegisters(3, 0x11),
       11,
       {0xAE41, 0x5652, 0x4340},
       {}},
      {"read 1 register",
       {0xFF, 0x03, 0x02, 0x20, 0x02, 0x09, 0x91},
       ExpectedReply::ReadRegisters(1),
       7,
       {0x2002},
       {}},
      {"exception to a read",
       {0xFF, 0x83, 0x02, 0xA1, 0x01},
       ExpectedReply::ReadRegisters(3),
       5,
       {},
       0x02},
      {"write echo",
       {0xFF, 0x06, 0x71, 0x13, 0x20, 0x02, 0xEE, 0xEC},
       ExpectedReply::WriteRegister(0x7113, 0x2002),
       8,
       {},
       {}},
      {"trailing bytes are not part of it",
       [] {
         Bytes b = kReadReply;
         b.push_back(0xFF);
         b.push_back(0x03);
         return b;
       }(),
       ExpectedReply::ReadRegisters(3),
       11,
       {0x0012, 0x0005, 0x0001},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RtuReply reply = DecodeReply(c.received, c.expected);
    EXPECT_EQ(reply.status, ReplyStatus::Complete) << reply.problem;
    EXPECT_EQ(reply.length, c.length);
    EXPECT_EQ(reply.registers, c.registers);
    EXPECT_EQ(reply.exceptionCode, c.exception);
    EXPECT_EQ(reply.data.size(), 2 * c.registers.size());
  }
}

TEST(DecodeReplyTest, EveryProperBeginningNeedsMore) {
  const Bytes exception = {0xFF, 0x83, 0x02, 0xA1, 0x01};
  const Bytes echo = {0xFF, 0x06, 0x71, 0x13, 0x20, 0x02, 0xEE, 0xEC};
  const std::pair<Bytes, ExpectedReply> replies[] = {
      {kReadReply, ExpectedReply::ReadRegisters(3)},
      {exception, ExpectedReply::ReadRegisters(3)},
      {echo, ExpectedReply::WriteRegister(0x7113, 0x2002)},
  };
  for (const auto& [bytes, expected] : replies) {
    for (std::size_t n = 0; n < bytes.size(); ++n) {
      const Bytes part(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_EQ(DecodeReply(part, expected).status, ReplyStatus::NeedMore) << n << " bytes";
    }
  }
}

TEST(DecodeReplyTest, InvalidAnswersSayWhy) {
  Bytes badCrc = kReadReply;
  badCrc.back() ^= 0x01;
  Bytes badData = kReadReply;
  badData[4] = 0x13;  // a corrupted register byte shows as a CRC mismatch
  struct Case {
    Bytes received;
    ExpectedReply expected;
    std::string problemPart;
  };
  const Case cases[] = {
      {{0x01}, ExpectedReply::ReadRegisters(1), "station 01, expected FF"},
      {{0xFF, 0x04}, ExpectedReply::ReadRegisters(1), "Function 04 in reply, expected 03"},
      {{0xFF, 0x86, 0x02}, ExpectedReply::ReadRegisters(1), "Function 86"},
      {{0xFF, 0x03, 0x04}, ExpectedReply::ReadRegisters(1), "Byte count 04 in reply, expected 02"},
      {badCrc, ExpectedReply::ReadRegisters(3), "CRC 00D2 in reply, computed 00D3"},
      {badData, ExpectedReply::ReadRegisters(3), "CRC"},
      {{0xFF, 0x83, 0x02, 0xA1, 0x00}, ExpectedReply::ReadRegisters(3), "CRC"},
      // A well-formed write reply that does not echo what was written.
      {CompleteFrame("FF0671132003").bytes, ExpectedReply::WriteRegister(0x7113, 0x2002),
       "echoes register 7113 value 2003, expected register 7113 value 2002"},
  };
  for (const Case& c : cases) {
    const RtuReply reply = DecodeReply(c.received, c.expected);
    EXPECT_EQ(reply.status, ReplyStatus::Invalid) << c.problemPart;
    EXPECT_NE(reply.problem.find(c.problemPart), std::string::npos) << reply.problem;
  }
}

TEST(ExpectedReplyTest, FromTheRequestSent) {
  const ExpectedReply identify = ExpectedReply::ForRequest(CompleteFrame("FF0321100003").bytes);
  EXPECT_EQ(identify.station, 0xFF);
  EXPECT_EQ(identify.function, kReadHoldingRegisters);
  EXPECT_EQ(identify.registerCount, 3);

  const Bytes classic = {0x11, 0x03, 0x00, 0x6B, 0x00, 0x03, 0x76, 0x87};
  EXPECT_EQ(ExpectedReply::ForRequest(classic).station, 0x11);

  const Bytes write = {0xFF, 0x06, 0x71, 0x13, 0x20, 0x02};  // without its CRC
  const ExpectedReply echo = ExpectedReply::ForRequest(write);
  EXPECT_EQ(echo.function, kWriteSingleRegister);
  EXPECT_EQ(echo.address, 0x7113);
  EXPECT_EQ(echo.value, 0x2002);
  const RtuReply reply = DecodeReply(CompleteFrame("FF0671132002").bytes, echo);
  EXPECT_EQ(reply.status, ReplyStatus::Complete);
}

TEST(ExpectedReplyTest, RefusesRequestsWithoutAReplyRule) {
  EXPECT_THROW(ExpectedReply::ForRequest(Bytes{0xFF, 0x10, 0x71, 0x13, 0x00, 0x01}),
               std::invalid_argument);
  EXPECT_THROW(ExpectedReply::ForRequest(Bytes{0xFF, 0x03, 0x21, 0x10, 0x00}),
               std::invalid_argument);
  EXPECT_THROW(ExpectedReply::ForRequest(Bytes{0xFF, 0x03, 0x21, 0x10, 0x00, 0x00}),
               std::invalid_argument);
  EXPECT_THROW(ExpectedReply::ReadRegisters(kMaxReadRegisters + 1), std::invalid_argument);
}

}  // namespace
}  // namespace corvane
