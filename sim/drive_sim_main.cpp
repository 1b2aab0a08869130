// corvane-drive-sim: a virtual drive on a pseudo-terminal, for trying the program
// without hardware and for end-to-end tests.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "sim/builtin_profiles.h"
#include "sim/drive_model.h"
#include "sim/profile_loader.h"
#include "sim/pty_server.h"
#include "sim/sim_options.h"

namespace {

int stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
  // The interrupted code may be about to read errno.
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const auto ignored = write(stopPipe[1], &byte, 1);
  errno = savedErrno;
}

void InstallStopHandlers() {
  if (pipe(stopPipe) != 0) throw std::runtime_error("Cannot create a pipe");
  fcntl(stopPipe[1], F_SETFL, O_NONBLOCK);
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

// Asks for SIGTERM when the parent ends, so a test process that dies cannot
// leave the drive serving for ever. parent is the parent's id at start-up: if it
// is gone already, the request came too late and the drive stops at once.
void StopWithParent(pid_t parent) {
#if defined(__linux__)
  if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0) {
    throw std::runtime_error(std::string("Cannot follow the parent process: ") +
                             std::strerror(errno));
  }
  if (getppid() != parent) raise(SIGTERM);
#else
  (void)parent;
  throw std::runtime_error("--exit-with-parent works only on Linux");
#endif
}

std::string Describe(const corvane::sim::DriveProfile& profile, int baud) {
  std::string text = "profile " + profile.name + " (" +
                     std::string(corvane::sim::LayoutOf(profile.family).keyword);
  if (profile.series) text += std::string(", series ") + profile.series;
  text += ", " + std::to_string(profile.groups.size()) + " groups, " +
          std::to_string(profile.ParameterCount()) + " parameters) at ";
  text += baud == 0 ? std::string("any baud rate") : std::to_string(baud) + " baud";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace corvane::sim;
  const pid_t parent = getppid();
  SimOptions options;
  try {
    options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::cerr << "corvane-drive-sim: " << error.what() << "\n"
              << "Run corvane-drive-sim --help for the options.\n";
    return 2;
  }
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }
  if (options.listProfiles) {
    for (const auto& name : BuiltinProfileNames()) std::cout << name << '\n';
    return 0;
  }
  try {
    auto drive = std::make_shared<DriveModel>(LoadProfile(options.profile), options.drive);
    PtyServer server(drive, options.verbose, std::cerr);
    const std::string path = server.Open();
    InstallStopHandlers();
    if (options.exitWithParent) StopWithParent(parent);
    std::cout << path << std::endl;
    std::cerr << "corvane-drive-sim: serving " << Describe(drive->Profile(), options.drive.lineBaud)
              << " on " << path << std::endl;
    for (const auto& fault : options.drive.faults) {
      std::cerr << "corvane-drive-sim: injecting fault " << FaultText(fault) << std::endl;
    }
    server.Serve(stopPipe[0]);
  } catch (const std::exception& error) {
    std::cerr << "corvane-drive-sim: " << error.what() << std::endl;
    return 1;
  }
  return 0;
}
