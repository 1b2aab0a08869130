#include "link/reply_buffer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ReplyBufferTest, SplitNotificationsGiveTheSameTextsAsOne) {
  const Bytes reply = {0xFF, 0x03, 0x06, 0x00, 0x12, 0x0A, 0x00, 0x01};
  ReplyBuffer whole;
  whole.Append(reply);
  ReplyBuffer split;
  split.Append(Bytes(reply.begin(), reply.begin() + 3));
  split.Append(Bytes(reply.begin() + 3, reply.end()));

  EXPECT_EQ(split.ReplyRaw(), whole.ReplyRaw());
  EXPECT_EQ(split.ReplyHex(), whole.ReplyHex());
  EXPECT_EQ(whole.ReplyHex(), "\\xFF\\x03\\x06\\x00\\x12\\x0A\\x00\\x01");
  // Line feed and NUL are kept as characters; the raw text is counted, not terminated.
  EXPECT_EQ(whole.ReplyRaw(), std::string("\xFF\x03\x06\x00\x12\x0A\x00\x01", 8));
  EXPECT_EQ(Bytes(whole.Bytes().begin(), whole.Bytes().end()), reply);
}

TEST(ReplyBufferTest, EveryByteValueAtItsFixedPositions) {
  ReplyBuffer buffer;
  for (int value = 0; value < 256; ++value) {
    const auto byte = static_cast<std::uint8_t>(value);
    buffer.Append(&byte, 1);
  }
  ASSERT_EQ(buffer.Size(), 256u);
  ASSERT_EQ(buffer.ReplyHex().size(), 4u * 256);
  const char* digits = "0123456789ABCDEF";
  for (std::size_t k = 1; k <= 256; ++k) {
    const auto value = static_cast<std::uint8_t>(k - 1);
    EXPECT_EQ(static_cast<std::uint8_t>(buffer.ReplyRaw()[k - 1]), value);
    // Byte k (from 1) has its digits at characters 4k - 1 and 4k (from 1).
    EXPECT_EQ(buffer.ReplyHex().substr(4 * k - 4, 2), "\\x");
    EXPECT_EQ(buffer.ReplyHex()[4 * k - 2], digits[value >> 4]) << k;
    EXPECT_EQ(buffer.ReplyHex()[4 * k - 1], digits[value & 15]) << k;
  }
}

TEST(ReplyBufferTest, ClearEmptiesBothForms) {
  ReplyBuffer buffer;
  buffer.Append(Bytes{0x01, 0x02});
  buffer.Clear();
  EXPECT_TRUE(buffer.Empty());
  EXPECT_TRUE(buffer.ReplyRaw().empty());
  EXPECT_TRUE(buffer.ReplyHex().empty());
  buffer.Append(Bytes{0x7F});
  EXPECT_EQ(buffer.ReplyHex(), "\\x7F");
}

}  // namespace
}  // namespace corvane
