// The drive's CRC against published vectors, and cutting a byte stream into
// request frames.

#include <gtest/gtest.h>

#include "sim/request_framer.h"
#include "sim/sim_crc.h"

namespace corvane::sim {
namespace {

TEST(SimCrc, MatchesKnownModbusFrames) {
  struct Case {
    std::vector<std::uint8_t> body;
    std::uint8_t low, high;  // CRC as sent, low byte first
  } cases[] = {
      {{0x11, 0x03, 0x00, 0x6B, 0x00, 0x03}, 0x76, 0x87},
      {{0xFF, 0x03, 0x23, 0x00, 0x00, 0x04}, 0x5A, 0x53},
      {{0xFF, 0x03, 0x21, 0x10, 0x00, 0x03}, 0x1B, 0xEC},
  };
  for (const auto& c : cases) {
    auto frame = c.body;
    AppendCrc(frame);
    ASSERT_EQ(frame.size(), c.body.size() + 2);
    EXPECT_EQ(frame[frame.size() - 2], c.low);
    EXPECT_EQ(frame.back(), c.high);
    EXPECT_TRUE(CrcMatches(frame));
    frame[1] ^= 0x01;
    EXPECT_FALSE(CrcMatches(frame)) << "a changed byte must break the CRC";
  }
  EXPECT_FALSE(CrcMatches({0xFF, 0x03}));
}

TEST(RequestFramer, CutsFixedLengthRequestsWhereverTheBytesBreak) {
  const std::vector<std::uint8_t> stream{0xFF, 0x03, 0x21, 0x10, 0x00, 0x03, 0x1B, 0xEC,
                                         0xFF, 0x06, 0x71, 0x12, 0x20, 0x02, 0xAA, 0xBB};
  for (std::size_t split : {1u, 3u, 8u, 11u, 16u}) {
    RequestFramer framer;
    std::vector<std::vector<std::uint8_t>> frames;
    for (std::size_t at = 0; at < stream.size(); at += split) {
      const std::size_t count = std::min(split, stream.size() - at);
      for (auto& f : framer.Feed(stream.data() + at, count)) frames.push_back(f);
    }
    ASSERT_EQ(frames.size(), 2u) << "pieces of " << split;
    EXPECT_EQ(frames[0], std::vector<std::uint8_t>(stream.begin(), stream.begin() + 8));
    EXPECT_EQ(frames[1], std::vector<std::uint8_t>(stream.begin() + 8, stream.end()));
    EXPECT_FALSE(framer.HasPending());
  }
}

TEST(RequestFramer, OtherFunctionsEndOnlyAtSilence) {
  RequestFramer framer;
  const std::vector<std::uint8_t> bytes{0xFF, 0x10, 0x71, 0x10, 0x00, 0x01, 0x02, 0x00, 0x08};
  EXPECT_TRUE(framer.Feed(bytes.data(), bytes.size()).empty());
  EXPECT_TRUE(framer.HasPending());
  EXPECT_EQ(framer.Flush(), bytes);
  EXPECT_FALSE(framer.Flush().has_value());
}

}  // namespace
}  // namespace corvane::sim
