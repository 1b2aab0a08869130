#pragma once
// One virtual drive at station FF: takes a request frame and gives the reply it
// sends (or none), with any injected faults. Ports opened on the same drive share
// one model, so EEPROM writes and the request count are the drive's own.

#include <chrono>
#include <cstdint>
#include <vector>

#include "sim/drive_registers.h"
#include "sim/fault.h"
#include "sim/profile.h"

namespace corvane::sim {

inline constexpr int kDefaultLineBaud = 19200;
inline constexpr std::chrono::microseconds kDefaultTurnaround{3000};

struct DriveSettings {
  int lineBaud = kDefaultLineBaud;  // 0: the drive answers at any baud rate
  std::chrono::microseconds turnaround = kDefaultTurnaround;  // last request byte to reply
  std::vector<Fault> faults;
};

struct DriveReply {
  std::vector<std::uint8_t> bytes;  // empty: nothing is sent
  std::chrono::microseconds extraDelay{0};
  bool disconnect = false;     // the drive drops the line after this reply
  unsigned requestNumber = 0;  // 0: not a request to this drive (bad CRC, other station)
};

class DriveModel {
 public:
  explicit DriveModel(DriveProfile profile, DriveSettings settings = {});

  DriveReply Handle(const std::vector<std::uint8_t>& frame);

  const DriveProfile& Profile() const { return profile_; }
  const DriveSettings& Settings() const { return settings_; }
  const DriveRegisters& Registers() const { return registers_; }
  unsigned RequestCount() const { return requestCount_; }
  // Set once a disconnect-after fault has fired; the drive then hears nothing.
  bool Disconnected() const { return disconnected_; }

 private:
  std::vector<std::uint8_t> Answer(const std::vector<std::uint8_t>& frame);

  DriveProfile profile_;
  DriveSettings settings_;
  DriveRegisters registers_;
  unsigned requestCount_ = 0;
  bool disconnected_ = false;
};

}  // namespace corvane::sim
