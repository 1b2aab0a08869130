#pragma once
// The link test: one read of the drive's status registers at station FF, judged
// by the reply. Only a well-formed Modbus answer counts as a drive on the line;
// noise, a wrong baud rate or another station's answer do not.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace corvane {

// Station FF, read 2 registers from 2101 (drive status). Two-wire RS-485
// converters often echo what the PC sends; an echo of the request before the
// reply is set aside.
inline constexpr const char* kLinkTestFrame = "FF0321010002";

struct LinkTestOutcome {
  bool passed = false;
  // The answer came after the time-out had already failed the test.
  bool late = false;
  std::string message;  // one line for the user
};

class LinkTest {
 public:
  explicit LinkTest(SerialPort& port) : port_(port) {}

  // Opens the port (an open port stays open) and sends the request. Throws
  // PortError, in which case nothing was sent and the previous outcome stands.
  void Start();

  // Bytes received on the port since the last call. Returns an outcome when they
  // decide the test: a complete answer passes it (also after a time-out), a
  // reply that can no longer become one fails it while it is running.
  std::optional<LinkTestOutcome> OnReceived(std::span<const std::uint8_t> bytes);

  // The time-out has elapsed. Fails a running test; a late answer can still pass it.
  std::optional<LinkTestOutcome> TimeOut();

  bool Running() const { return state_ == State::Running; }

 private:
  enum class State { Idle, Running, TimedOut, Decided };

  // What the bytes so far say, once a local echo of the request is set aside.
  std::optional<LinkTestOutcome> Judge();

  SerialPort& port_;
  State state_ = State::Idle;
  std::vector<std::uint8_t> request_;
  std::vector<std::uint8_t> received_;
};

}  // namespace corvane
