#pragma once
// The virtual drive's own CRC-16 (Modbus RTU: reflected polynomial 0xA001, start
// value 0xFFFF), kept apart from the program's link code so the drive checks the
// program instead of mirroring it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane::sim {

std::uint16_t Crc16(const std::uint8_t* data, std::size_t count);
inline std::uint16_t Crc16(const std::vector<std::uint8_t>& bytes) {
  return Crc16(bytes.data(), bytes.size());
}

// Appends the CRC of everything in frame, low byte first as on the wire.
void AppendCrc(std::vector<std::uint8_t>& frame);

// True when the last two bytes are the CRC of the bytes before them.
bool CrcMatches(const std::vector<std::uint8_t>& frame);

}  // namespace corvane::sim
