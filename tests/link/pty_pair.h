#pragma once
// A pseudo-terminal pair for serial tests: the program under test opens the
// slave path as its serial device, the test plays the drive on the master.

#include <termios.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane::testing {

// Owns one file descriptor: closed when replaced or destroyed.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.fd_, -1));
    return *this;
  }

  int Get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void Reset(int fd = -1);

 private:
  int fd_ = -1;
};

class PtyPair {
 public:
  // Both ends raw before anyone writes; throws std::runtime_error on failure.
  PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& SlavePath() const { return slavePath_; }

  void WriteToSlave(const std::vector<std::uint8_t>& bytes);
  // Whatever the slave side has written so far, without waiting.
  std::vector<std::uint8_t> ReadFromSlave();
  // The output speed set on the slave, in baud (0 if unknown).
  int SlaveBaud() const;
  // The drive goes away: the slave side sees a hang-up.
  void CloseMaster();

 private:
  UniqueFd master_;
  UniqueFd slave_;  // held so the terminal and its settings outlive the port's opens
  std::string slavePath_;
};

}  // namespace corvane::testing
