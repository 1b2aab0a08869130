#include "link/frames.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_serial_port.h"
#include "manual_scheduler.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct WorkedFrame {
  const char* commandFrame;
  const char* completedText;
  Bytes wire;
};

const WorkedFrame kWorkedFrames[] = {
    {"FF0321100003", "FF03211000031BEC", {0xFF, 0x03, 0x21, 0x10, 0x00, 0x03, 0x1B, 0xEC}},
    {"FF0323000004", "FF03230000045A53", {0xFF, 0x03, 0x23, 0x00, 0x00, 0x04, 0x5A, 0x53}},
    {"FF0321100002", "FF0321100002DA2C", {0xFF, 0x03, 0x21, 0x10, 0x00, 0x02, 0xDA, 0x2C}},
    {"FF0321010002", "FF03210100028A29", {0xFF, 0x03, 0x21, 0x01, 0x00, 0x02, 0x8A, 0x29}},
};

class SendCommandFrameTest : public ::testing::Test {
 protected:
  void SetUp() override { port.Open(); }
  testing::ManualScheduler scheduler;
  testing::FakeSerialPort port{scheduler};
};

TEST(CompleteFrameTest, WorkedFramesGetTheirCrcLowByteFirst) {
  for (const WorkedFrame& worked : kWorkedFrames) {
    SCOPED_TRACE(worked.commandFrame);
    const CompletedFrame frame = CompleteFrame(worked.commandFrame);
    EXPECT_EQ(frame.text, worked.completedText);
    EXPECT_EQ(frame.bytes, worked.wire);
  }
}

TEST_F(SendCommandFrameTest, WritesEachWorkedFrameAsOneBlock) {
  for (const WorkedFrame& worked : kWorkedFrames) SendCommandFrame(port, worked.commandFrame);
  ASSERT_EQ(port.writes.size(), std::size(kWorkedFrames));
  for (std::size_t n = 0; n < port.writes.size(); ++n)
    EXPECT_EQ(port.writes[n], kWorkedFrames[n].wire);
}

TEST_F(SendCommandFrameTest, RefusesFramesThatCannotBeSentSoundlyAndWritesNothing) {
  const std::string longest(kMaxCommandFrameDigits, '0');
  struct Case {
    std::string frame;
    std::string messagePart;
  };
  const Case cases[] = {
      {"FF032110000", "odd number of digits (11)"},
      {longest + "00", "36 digits; at most 34"},
      {std::string(300, 'A'), "300 digits"},
      {"", "empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frame);
    try {
      SendCommandFrame(port, c.frame);
      ADD_FAILURE() << "no FrameError";
    } catch (const FrameError& error) {
      EXPECT_NE(std::string(error.what()).find(c.messagePart), std::string::npos) << error.what();
    }
  }
  EXPECT_TRUE(port.writes.empty());

  // 34 digits is the largest frame the buffer holds: 17 request bytes and the CRC.
  SendCommandFrame(port, longest);
  ASSERT_EQ(port.writes.size(), 1u);
  EXPECT_EQ(port.writes[0].size(), 19u);
}

TEST_F(SendCommandFrameTest, PassesThePortsErrorOn) {
  port.Close();
  EXPECT_THROW(SendCommandFrame(port, "FF0321010002"), PortError);
}

TEST(CompleteFrameTest, OtherCharactersFollowTheDigitRuleInFrameAndCrc) {
  // Lowercase is not rejected: "ff" is 1F by the digit rule, and the CRC is
  // computed over the bytes as converted.
  const CompletedFrame frame = CompleteFrame("ff0321100003");
  std::uint8_t request[6];
  StrTo8bitInt("ff0321100003", request);
  EXPECT_EQ(request[0], 0x1F);
  const std::uint16_t crc = Crc16(request, 6);
  EXPECT_EQ(frame.bytes,
            (Bytes{0x1F, 0x03, 0x21, 0x10, 0x00, 0x03, static_cast<std::uint8_t>(crc >> 8),
                   static_cast<std::uint8_t>(crc & 0xFF)}));
  EXPECT_EQ(frame.text, "ff0321100003" + IntToRadixText(crc, 16, 4));
}

TEST(Crc16Test, KnownValuesWithBytesExchanged) {
  const std::string check = "123456789";
  EXPECT_EQ(Crc16(reinterpret_cast<const std::uint8_t*>(check.data()), 9), 0x374B);
  EXPECT_EQ(Crc16(nullptr, 0), 0xFFFF);
  const Bytes request = {0x11, 0x03, 0x00, 0x6B, 0x00, 0x03};
  EXPECT_EQ(Crc16(request.data(), 6), 0x7687);
}

TEST(HexPairToByteTest, DigitRule) {
  struct Case {
    char high, low;
    std::uint8_t byte;
  };
  const Case cases[] = {
      {'0', '0', 0x00}, {'F', 'F', 0xFF}, {'9', 'A', 0x9A},
      {'A', '9', 0xA9}, {'1', 'a', 0x3A},  // lowercase a counts 42: wrong as a low digit
      {'a', '1', 0xA1},                    // ... and right as a high digit (42 * 16 mod 256 = A0)
      {'G', '0', 0x00},                    // G counts 16, which overflows out of the byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HexPairToByte(c.high, c.low), c.byte) << c.high << c.low;
  }
}

TEST(StrTo8bitIntTest, WritesOnlyWholePairsAndLeavesTheRest) {
  std::uint8_t bytes[4] = {0x5A, 0x5A, 0x5A, 0x5A};
  StrTo8bitInt("ABC", bytes);
  EXPECT_EQ(bytes[0], 0xAB);
  EXPECT_EQ(bytes[1], 0x5A);

  StrTo8bitInt("7", bytes + 2);
  StrTo8bitInt("", bytes + 2);
  EXPECT_EQ(bytes[2], 0x5A);

  // No 8-bit position counter: a text longer than 255 characters converts fully.
  const std::string longText = std::string(300, '1') + "EF";
  std::vector<std::uint8_t> big(longText.size() / 2 + 1, 0x5A);
  StrTo8bitInt(longText, big.data());
  EXPECT_EQ(big[149], 0x11);
  EXPECT_EQ(big[150], 0xEF);
  EXPECT_EQ(big[151], 0x5A);
}

TEST(IntToRadixTextTest, Table) {
  struct Case {
    std::int32_t value;
    int radix, width;
    const char* text;
  };
  const Case cases[] = {
      {0, 16, 2, "00"},
      {0, 16, 0, "0"},
      {5, 16, 2, "05"},
      {26, 16, 2, "1A"},
      {255, 16, 2, "FF"},
      {256, 16, 2, "00"},
      {300, 16, 2, "2C"},
      {300, 16, 0, "12C"},
      {-1, 16, 4, "FFFF"},
      {-65536, 16, 0, "0"},
      {0x7FFFFFFF, 16, 0, "7FFFFFFF"},
      {10, 2, 0, "1010"},
      {35, 36, 0, "Z"},
      {1, 16, 32, "00000000000000000000000000000001"},
      {1, 16, 40, "00000000000000000000000000000001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntToRadixText(c.value, c.radix, c.width), c.text)
        << c.value << " radix " << c.radix << " width " << c.width;
  }
}

TEST(IntToRadixTextTest, RefusesArgumentsWithoutADigitForm) {
  EXPECT_THROW(IntToRadixText(5, 0, 2), std::invalid_argument);  // would divide by zero
  EXPECT_THROW(IntToRadixText(5, 1, 2), std::invalid_argument);
  EXPECT_THROW(IntToRadixText(5, 37, 2), std::invalid_argument);
  EXPECT_THROW(IntToRadixText(5, 16, -1), std::invalid_argument);
  EXPECT_THROW(IntToRadixText(-65537, 16, 4), std::invalid_argument);
}

}  // namespace
}  // namespace corvane
