#pragma once
// Cuts the byte stream a drive hears into request frames: function 03 and 06
// requests by their fixed length of 8 bytes, anything else at the 3.5-character
// silence that the owner detects and reports with Flush().

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::sim {

class RequestFramer {
 public:
  // Returns the frames these bytes complete, oldest first.
  std::vector<std::vector<std::uint8_t>> Feed(const std::uint8_t* data, std::size_t count);
  // The line has been silent long enough: the pending bytes end a frame.
  std::optional<std::vector<std::uint8_t>> Flush();
  bool HasPending() const { return !pending_.empty(); }
  void Clear() { pending_.clear(); }

 private:
  std::vector<std::uint8_t> pending_;
};

}  // namespace corvane::sim
