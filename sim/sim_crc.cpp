#include "sim/sim_crc.h"

#include <array>

namespace corvane::sim {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned n = 0; n < 256; ++n) {
    std::uint16_t value = static_cast<std::uint16_t>(n);
    for (int bit = 0; bit < 8; ++bit) {
      value = (value & 1u) ? static_cast<std::uint16_t>((value >> 1) ^ 0xA001u)
                           : static_cast<std::uint16_t>(value >> 1);
    }
    table[n] = value;
  }
  return table;
}

constexpr auto kTable = MakeTable();

}  // namespace

std::uint16_t Crc16(const std::uint8_t* data, std::size_t count) {
  std::uint16_t crc = 0xFFFF;
  for (std::size_t k = 0; k < count; ++k) {
    crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ data[k]) & 0xFFu]);
  }
  return crc;
}

void AppendCrc(std::vector<std::uint8_t>& frame) {
  const std::uint16_t crc = Crc16(frame);
  frame.push_back(static_cast<std::uint8_t>(crc & 0xFFu));
  frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

bool CrcMatches(const std::vector<std::uint8_t>& frame) {
  if (frame.size() < 3) return false;
  const std::uint16_t crc = Crc16(frame.data(), frame.size() - 2);
  return frame[frame.size() - 2] == (crc & 0xFFu) && frame[frame.size() - 1] == (crc >> 8);
}

}  // namespace corvane::sim
