#include "link/reply_buffer.h"

namespace corvane {

void ReplyBuffer::Append(const std::uint8_t* data, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  raw_.reserve(raw_.size() + count);
  hex_.reserve(hex_.size() + 4 * count);
  for (std::size_t n = 0; n < count; ++n) {
    const std::uint8_t byte = data[n];
    raw_.push_back(static_cast<char>(byte));
    hex_ += "\\x";
    hex_.push_back(kDigits[byte >> 4]);
    hex_.push_back(kDigits[byte & 0x0F]);
  }
}

void ReplyBuffer::Clear() {
  raw_.clear();
  hex_.clear();
}

}  // namespace corvane
