#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "sim/fault.h"

namespace corvane::sim {
namespace {

std::string SystemError(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char digits[4];
  for (std::uint8_t byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X ", byte);
    text += digits;
  }
  if (!text.empty()) text.pop_back();
  return text;
}

int BaudOf(speed_t speed) {
  switch (speed) {
    case B1200:
      return 1200;
    case B2400:
      return 2400;
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    case B57600:
      return 57600;
    case B115200:
      return 115200;
    case B230400:
      return 230400;
    default:
      return 0;
  }
}

}  // namespace

PtyServer::PtyServer(std::shared_ptr<DriveModel> drive, bool verbose, std::ostream& log)
    : drive_(std::move(drive)), verbose_(verbose), log_(log), line_(scheduler_, drive_) {
  line_.SetOnReceive([this](const std::vector<std::uint8_t>& bytes) { WriteReply(bytes); });
  line_.SetOnDisconnect([this] { disconnected_ = true; });
  if (verbose_) {
    line_.SetObserver([this](const std::vector<std::uint8_t>& request, const DriveReply& reply) {
      log_ << "request";
      if (reply.requestNumber) log_ << " #" << reply.requestNumber;
      log_ << ": " << Hex(request) << " -> ";
      if (reply.requestNumber == 0) {
        log_ << "ignored (bad CRC or another station)";
      } else if (reply.bytes.empty()) {
        log_ << "no reply";
      } else {
        log_ << Hex(reply.bytes);
      }
      if (reply.disconnect) log_ << ", then disconnect";
      log_ << std::endl;
    });
  }
}

PtyServer::~PtyServer() {
  CloseTerminal();
}

std::string PtyServer::Open() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) throw std::runtime_error(SystemError("Cannot create a pseudo-terminal"));
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    throw std::runtime_error(SystemError("Cannot unlock the pseudo-terminal"));
  }
  const char* name = ptsname(master_);
  if (name == nullptr) throw std::runtime_error(SystemError("Cannot name the pseudo-terminal"));
  std::string path = name;
  slave_ = open(path.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) throw std::runtime_error(SystemError("Cannot open " + path));
  // Raw before anyone writes: the cooked line discipline would eat or change bytes
  // such as 03, 0D, 11 and 13.
  termios settings{};
  if (tcgetattr(slave_, &settings) != 0) throw std::runtime_error(SystemError("tcgetattr " + path));
  cfmakeraw(&settings);
  settings.c_cflag |= CSTOPB | CLOCAL | CREAD;
  cfsetspeed(&settings, B19200);
  if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
    throw std::runtime_error(SystemError("tcsetattr " + path));
  }
  tcflush(slave_, TCIOFLUSH);
  const int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  return path;
}

// Closing the master hangs up the terminal and discards what the client has not
// read yet; on a real line the last reply was on the wire before the cable went.
// Written bytes reach the client's queue a moment later, so the queue must stay
// empty for a while before the client counts as served.
void PtyServer::AwaitClientRead() {
  using Clock = std::chrono::steady_clock;
  constexpr auto kQuiet = std::chrono::milliseconds(50);
  const auto giveUp = Clock::now() + std::chrono::seconds(2);
  auto emptySince = Clock::now();
  int waiting = 0;
  while (Clock::now() < giveUp && ioctl(slave_, FIONREAD, &waiting) == 0) {
    const auto now = Clock::now();
    if (waiting > 0) emptySince = now;
    if (now - emptySince >= kQuiet) return;
    const timespec pause{0, 1000000};
    nanosleep(&pause, nullptr);
  }
}

void PtyServer::CloseTerminal() {
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  master_ = slave_ = -1;
}

// The client's baud rate is the terminal's setting; a pty ignores it, so the
// drive compares it with its own rate as a real line would.
int PtyServer::ClientBaud() const {
  termios settings{};
  if (tcgetattr(master_, &settings) != 0) return 0;
  return BaudOf(cfgetospeed(&settings));
}

void PtyServer::ReadRequests() {
  std::uint8_t buffer[4096];
  for (;;) {
    const ssize_t count = read(master_, buffer, sizeof buffer);
    if (count <= 0) return;
    const int baud = ClientBaud();
    const int lineBaud = drive_->Settings().lineBaud;
    line_.SetPortBaud(baud != 0 ? baud : (lineBaud != 0 ? lineBaud : 19200));
    if (verbose_) {
      log_ << "heard " << count << " bytes at " << line_.PortBaud()
           << " baud: " << Hex({buffer, buffer + count});
      if (lineBaud != 0 && lineBaud != line_.PortBaud()) {
        log_ << " (the drive listens at " << lineBaud << " baud: both sides hear noise)";
      }
      log_ << std::endl;
    }
    line_.Transmit(buffer, static_cast<std::size_t>(count));
  }
}

void PtyServer::WriteReply(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = write(master_, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      // The client does not read: a real line would lose these bytes as well.
      if (verbose_) log_ << "dropped " << bytes.size() - done << " reply bytes" << std::endl;
      return;
    }
    done += static_cast<std::size_t>(count);
  }
}

PtyServer::End PtyServer::Serve(int stopFd) {
  for (;;) {
    const auto wait = scheduler_.RunDue();
    if (disconnected_) {
      log_ << "corvane-drive-sim: " << DisconnectText(drive_->RequestCount())
           << "; closing the terminal" << std::endl;
      AwaitClientRead();
      CloseTerminal();
      return End::Disconnected;
    }
    pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd, POLLIN, 0}};
    timespec timeout{};
    timespec* timeoutPointer = nullptr;
    if (wait) {
      const auto us = std::chrono::ceil<std::chrono::microseconds>(*wait).count();
      timeout.tv_sec = static_cast<time_t>(us / 1000000);
      timeout.tv_nsec = static_cast<long>((us % 1000000) * 1000);
      timeoutPointer = &timeout;
    }
    const int ready = ppoll(fds, 2, timeoutPointer, nullptr);
    if (ready < 0 && errno != EINTR) throw std::runtime_error(SystemError("poll"));
    if (fds[1].revents != 0) return End::Stopped;
    if (ready > 0 && (fds[0].revents & POLLIN)) ReadRequests();
  }
}

}  // namespace corvane::sim
