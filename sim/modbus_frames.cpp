#include "sim/modbus_frames.h"

#include <algorithm>

#include "sim/sim_crc.h"

namespace corvane::sim {

std::vector<std::uint8_t> ReadReply(std::uint8_t station,
                                    const std::vector<std::uint16_t>& values) {
  std::vector<std::uint8_t> frame{station, kReadHoldingRegisters,
                                  static_cast<std::uint8_t>(values.size() * 2)};
  for (std::uint16_t value : values) {
    frame.push_back(static_cast<std::uint8_t>(value >> 8));
    frame.push_back(static_cast<std::uint8_t>(value & 0xFFu));
  }
  AppendCrc(frame);
  return frame;
}

std::vector<std::uint8_t> WriteEcho(std::uint8_t station, std::uint16_t address,
                                    std::uint16_t value) {
  std::vector<std::uint8_t> frame{station,
                                  kWriteSingleRegister,
                                  static_cast<std::uint8_t>(address >> 8),
                                  static_cast<std::uint8_t>(address & 0xFFu),
                                  static_cast<std::uint8_t>(value >> 8),
                                  static_cast<std::uint8_t>(value & 0xFFu)};
  AppendCrc(frame);
  return frame;
}

std::vector<std::uint8_t> ExceptionReply(std::uint8_t station, std::uint8_t function,
                                         ExceptionCode code) {
  std::vector<std::uint8_t> frame{station, static_cast<std::uint8_t>(function | 0x80u),
                                  static_cast<std::uint8_t>(code)};
  AppendCrc(frame);
  return frame;
}

std::size_t ExpectedReplyLength(const std::vector<std::uint8_t>& request) {
  if (request.size() >= 6 && request[1] == kReadHoldingRegisters) {
    const unsigned count = (static_cast<unsigned>(request[4]) << 8) | request[5];
    return 5 + 2 * static_cast<std::size_t>(std::clamp(count, 1u, unsigned{kMaxReadCount}));
  }
  return 8;
}

}  // namespace corvane::sim
