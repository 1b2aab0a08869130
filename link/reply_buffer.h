#pragma once
// Every byte received since the reader last emptied it, in two forms that always
// describe the same bytes: ReplyRaw (one character per byte, NULs kept) and
// ReplyHex ("\xHH" per byte, uppercase), so byte k (from 1) has its digits at
// characters 4k - 1 and 4k of ReplyHex, counting from 1.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class ReplyBuffer {
 public:
  // Appends in arrival order; the bytes are not examined.
  void Append(const std::uint8_t* data, std::size_t count);
  void Append(const std::vector<std::uint8_t>& bytes) { Append(bytes.data(), bytes.size()); }

  // Empties both forms together.
  void Clear();

  const std::string& ReplyRaw() const { return raw_; }
  const std::string& ReplyHex() const { return hex_; }

  // The received bytes, for the reply codec.
  std::span<const std::uint8_t> Bytes() const {
    return {reinterpret_cast<const std::uint8_t*>(raw_.data()), raw_.size()};
  }
  std::size_t Size() const { return raw_.size(); }
  bool Empty() const { return raw_.empty(); }

 private:
  std::string raw_;
  std::string hex_;
};

}  // namespace corvane
