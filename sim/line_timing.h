#pragma once
// Wire time on a serial line with 8 data bits, no parity and 2 stop bits.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace corvane::sim {

inline constexpr int kBitsPerCharacter = 11;  // start bit, 8 data bits, 2 stop bits

// Time for count characters at baud, rounded up to whole microseconds.
inline std::chrono::microseconds WireTime(std::size_t count, int baud) {
  const auto bits = static_cast<std::uint64_t>(count) * kBitsPerCharacter * 1000000u;
  const auto b = static_cast<std::uint64_t>(baud > 0 ? baud : 1);
  return std::chrono::microseconds(static_cast<std::int64_t>((bits + b - 1) / b));
}

// The silence that ends a frame: 3.5 characters, and a fixed 1750 us above
// 19200 baud as Modbus RTU prescribes.
inline std::chrono::microseconds FrameSilence(int baud) {
  if (baud > 19200) return std::chrono::microseconds(1750);
  const auto b = static_cast<std::uint64_t>(baud > 0 ? baud : 1);
  return std::chrono::microseconds(
      static_cast<std::int64_t>((35u * kBitsPerCharacter * 100000u + b - 1) / b));
}

}  // namespace corvane::sim
