#include "link/modbus_timing.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace std::chrono_literals;
namespace mt = modbus_timing;

TEST(ModbusTimingTest, ReplyWaitTicksFollowTheBaudRate) {
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(4800), 20);
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(9600), 15);
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(19200), 8);
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(38400), 5);
  // Any other rate leaves the current wait as it is.
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(57600), std::nullopt);
  EXPECT_EQ(mt::ReplyWaitTicksForBaud(0), std::nullopt);
  for (int baud : mt::kSupportedBauds) EXPECT_TRUE(mt::ReplyWaitTicksForBaud(baud)) << baud;
}

TEST(ModbusTimingTest, WireTimeAtElevenBitsACharacterRoundedUp) {
  EXPECT_EQ(mt::WireTime(8, 19200), 4584us);    // 4583.3
  EXPECT_EQ(mt::WireTime(35, 19200), 20053us);  // 20052.1
  EXPECT_EQ(mt::WireTime(35, 4800), 80209us);   // 80208.3
  EXPECT_EQ(mt::WireTime(0, 9600), 0us);
  // Rounded once over the whole block, not per character.
  EXPECT_EQ(mt::CharacterTime(19200), 573us);
  EXPECT_LT(mt::WireTime(100, 19200), 100 * mt::CharacterTime(19200));
  EXPECT_EQ(mt::FrameSilence(19200), 2006us);  // 2005.2
  EXPECT_EQ(mt::FrameSilence(9600), 4011us);   // 4010.4
  EXPECT_THROW(mt::WireTime(8, 0), std::invalid_argument);
}

}  // namespace
}  // namespace corvane
