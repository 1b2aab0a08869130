#pragma once
// Serves a virtual drive on a new pseudo-terminal in real time. A pty delivers
// bytes at once whatever its baud rate, so the server paces replies itself to
// the wire time of the line.

#include <iosfwd>
#include <memory>
#include <string>

#include "sim/drive_line.h"
#include "sim/drive_model.h"
#include "sim/loop_scheduler.h"

namespace corvane::sim {

class PtyServer {
 public:
  PtyServer(std::shared_ptr<DriveModel> drive, bool verbose, std::ostream& log);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the terminal pair, raw both ways, and returns the path clients open.
  // Throws std::runtime_error with the system's reason.
  std::string Open();

  enum class End { Stopped, Disconnected };
  // Serves until stopFd becomes readable or an injected disconnect fires, which
  // closes the terminal.
  End Serve(int stopFd);

 private:
  void ReadRequests();
  void WriteReply(const std::vector<std::uint8_t>& bytes);
  int ClientBaud() const;
  void AwaitClientRead();
  void CloseTerminal();

  std::shared_ptr<DriveModel> drive_;
  bool verbose_;
  std::ostream& log_;
  LoopScheduler scheduler_;
  DriveLine line_;
  int master_ = -1;
  int slave_ = -1;  // held open so the terminal survives clients coming and going
  bool disconnected_ = false;
};

}  // namespace corvane::sim
