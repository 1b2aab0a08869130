#include "pty_pair.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace corvane::testing {
namespace {

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

void MakeRaw(int fd) {
  termios settings{};
  Check(tcgetattr(fd, &settings) == 0, "tcgetattr");
  cfmakeraw(&settings);
  Check(tcsetattr(fd, TCSANOW, &settings) == 0, "tcsetattr");
}

}  // namespace

void UniqueFd::Reset(int fd) {
  if (fd_ >= 0) close(fd_);
  fd_ = fd;
}

// Each descriptor is owned as soon as it exists, so a failing step closes the
// ones before it.
PtyPair::PtyPair() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
  Check(bool(master_), "posix_openpt");
  Check(grantpt(master_.Get()) == 0, "grantpt");
  Check(unlockpt(master_.Get()) == 0, "unlockpt");
  const char* name = ptsname(master_.Get());
  Check(name != nullptr, "ptsname");
  slavePath_ = name;
  slave_.Reset(open(name, O_RDWR | O_NOCTTY));
  Check(bool(slave_), "open slave");
  MakeRaw(master_.Get());
  MakeRaw(slave_.Get());
  const int flags = fcntl(master_.Get(), F_GETFL);
  Check(flags >= 0 && fcntl(master_.Get(), F_SETFL, flags | O_NONBLOCK) == 0, "fcntl");
}

void PtyPair::WriteToSlave(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(master_.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    Check(n > 0, "write to pty master");
    done += static_cast<std::size_t>(n);
  }
}

std::vector<std::uint8_t> PtyPair::ReadFromSlave() {
  std::vector<std::uint8_t> out;
  std::uint8_t chunk[512];
  for (;;) {
    const ssize_t n = read(master_.Get(), chunk, sizeof chunk);
    if (n > 0) {
      out.insert(out.end(), chunk, chunk + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return out;  // EAGAIN: nothing more for now
  }
}

int PtyPair::SlaveBaud() const {
  termios settings{};
  if (tcgetattr(slave_.Get(), &settings) != 0) return 0;
  switch (cfgetospeed(&settings)) {
    case B4800:
      return 4800;
    case B9600:
      return 9600;
    case B19200:
      return 19200;
    case B38400:
      return 38400;
    default:
      return 0;
  }
}

void PtyPair::CloseMaster() {
  master_.Reset();
}

}  // namespace corvane::testing
