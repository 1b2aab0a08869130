#pragma once
// Command line of corvane-drive-sim.

#include <chrono>
#include <string>
#include <vector>

#include "sim/drive_model.h"
#include "sim/fault.h"

namespace corvane::sim {

struct SimOptions {
  std::string profile;  // built-in name or file path
  DriveSettings drive;
  bool verbose = false;
  bool exitWithParent = false;  // stop when the process that started it ends
  bool listProfiles = false;
  bool help = false;
};

// args without the program name. Throws std::invalid_argument with a message
// that names the offending argument.
SimOptions ParseSimOptions(const std::vector<std::string>& args);

std::string SimUsage();

}  // namespace corvane::sim
