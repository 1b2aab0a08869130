#pragma once
// The link's timing values and its deliberate deviations from standard Modbus RTU,
// in one table. Everything that paces requests or models wire time reads them here.
//
// Deviations from the standard, on purpose:
// - Every request goes to station FF (255). Standard RTU addresses are 1..247 and
//   248..255 are reserved; the drives and their DeviceNet modules answer at FF.
// - A reply is taken as finished after a fixed number of 1 ms ticks chosen by
//   baud rate (ReplyWaitTicksForBaud), not after a 3.5-character silence.
// - Line format is fixed at 8 data bits, no parity, 2 stop bits: 11 bits a
//   character (the standard's no-parity variant).

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace corvane::modbus_timing {

// Station of the drive and of its DeviceNet module.
inline constexpr std::uint8_t kStation = 0xFF;

// Start bit, 8 data bits, no parity, 2 stop bits.
inline constexpr int kBitsPerCharacter = 11;

inline constexpr std::array<int, 4> kSupportedBauds = {4800, 9600, 19200, 38400};

// The read-out timer and the EEPROM timer tick every millisecond.
inline constexpr std::chrono::milliseconds kTick{1};

// Read-out wait per reply before any baud rate has been chosen.
inline constexpr std::uint8_t kInitialReplyWaitTicks = 10;

// The EEPROM sequence evaluates what has arrived after this many ticks,
// whatever the baud rate.
inline constexpr std::uint8_t kEepromWaitTicks = 3;

// The link test waits this long for any byte.
inline constexpr std::chrono::milliseconds kLinkTestTimeout{1000};

// A sender's frame buffer: request bytes, two CRC bytes and a closing zero.
inline constexpr std::size_t kFrameBufferSize = 20;

struct BaudWait {
  int baud;
  std::uint8_t replyWaitTicks;
};

// Ticks the read-out waits per reply at each supported baud rate.
inline constexpr std::array<BaudWait, 4> kReplyWaitTicksByBaud = {{
    {4800, 20},
    {9600, 15},
    {19200, 8},
    {38400, 5},
}};

// The read-out wait for a baud rate; empty for a rate outside the table, which
// leaves the current wait unchanged.
constexpr std::optional<std::uint8_t> ReplyWaitTicksForBaud(int baud) {
  for (const BaudWait& entry : kReplyWaitTicksByBaud) {
    if (entry.baud == baud) return entry.replyWaitTicks;
  }
  return std::nullopt;
}

constexpr bool IsSupportedBaud(int baud) {
  for (int supported : kSupportedBauds) {
    if (supported == baud) return true;
  }
  return false;
}

// Time on the wire of count characters at baud, rounded up to whole microseconds.
constexpr std::chrono::microseconds WireTime(std::size_t count, int baud) {
  if (baud <= 0) throw std::invalid_argument("Baud rate must be positive");
  const auto bits = static_cast<std::int64_t>(count) * kBitsPerCharacter * 1'000'000;
  return std::chrono::microseconds((bits + baud - 1) / baud);
}

constexpr std::chrono::microseconds CharacterTime(int baud) {
  return WireTime(1, baud);
}

// The standard's end-of-frame silence: 3.5 character times (7 half characters),
// rounded up to whole microseconds.
constexpr std::chrono::microseconds FrameSilence(int baud) {
  if (baud <= 0) throw std::invalid_argument("Baud rate must be positive");
  const std::int64_t bits = std::int64_t{7} * kBitsPerCharacter * 1'000'000;
  return std::chrono::microseconds((bits + 2 * std::int64_t{baud} - 1) / (2 * std::int64_t{baud}));
}

}  // namespace corvane::modbus_timing
