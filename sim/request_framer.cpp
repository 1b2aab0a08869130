#include "sim/request_framer.h"

#include <utility>

#include "sim/modbus_frames.h"

namespace corvane::sim {

namespace {
constexpr std::size_t kFixedRequestLength = 8;  // station, function, 2 words, CRC
}

std::vector<std::vector<std::uint8_t>> RequestFramer::Feed(const std::uint8_t* data,
                                                           std::size_t count) {
  std::vector<std::vector<std::uint8_t>> frames;
  for (std::size_t k = 0; k < count; ++k) {
    pending_.push_back(data[k]);
    const bool fixedLength = pending_.size() >= 2 && (pending_[1] == kReadHoldingRegisters ||
                                                      pending_[1] == kWriteSingleRegister);
    if (fixedLength && pending_.size() == kFixedRequestLength) {
      frames.push_back(std::exchange(pending_, {}));
    }
  }
  return frames;
}

std::optional<std::vector<std::uint8_t>> RequestFramer::Flush() {
  if (pending_.empty()) return std::nullopt;
  return std::exchange(pending_, {});
}

}  // namespace corvane::sim
