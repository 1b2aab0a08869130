#pragma once
// A pseudo-terminal pair for serial tests: the program under test opens the
// slave path as its serial device, the test plays the drive on the master.

#include <termios.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::testing {

class PtyPair {
 public:
  // Both ends raw before anyone writes; throws std::runtime_error on failure.
  PtyPair();
  ~PtyPair();
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
  int master_ = -1;
  int slave_ = -1;  // held so the terminal and its settings outlive the port's opens
  std::string slavePath_;
};

}  // namespace corvane::testing
