#pragma once
// Modbus RTU replies as the virtual drive sends them: station, function, payload,
// CRC low byte first. Registers travel big-endian.

#include <cstdint>
#include <vector>

namespace corvane::sim {

// The drive answers at station FF, outside the standard 1..247 slave range: the
// drive family is addressed that way and the program expects it.
inline constexpr std::uint8_t kDriveStation = 0xFF;
inline constexpr std::uint8_t kBroadcastStation = 0x00;

inline constexpr std::uint8_t kReadHoldingRegisters = 0x03;
inline constexpr std::uint8_t kWriteSingleRegister = 0x06;
inline constexpr std::uint16_t kMaxReadCount = 125;  // registers in one 03 reply

enum class ExceptionCode : std::uint8_t {
  IllegalFunction = 0x01,
  IllegalDataAddress = 0x02,
  IllegalDataValue = 0x03,
  SlaveDeviceFailure = 0x04,
};

std::vector<std::uint8_t> ReadReply(std::uint8_t station, const std::vector<std::uint16_t>& values);
std::vector<std::uint8_t> WriteEcho(std::uint8_t station, std::uint16_t address,
                                    std::uint16_t value);
std::vector<std::uint8_t> ExceptionReply(std::uint8_t station, std::uint8_t function,
                                         ExceptionCode code);

// Length of the reply a request would normally get (used to size noise at a wrong
// baud rate): 5 + 2n for a read of n registers, 8 for anything else.
std::size_t ExpectedReplyLength(const std::vector<std::uint8_t>& request);

}  // namespace corvane::sim
