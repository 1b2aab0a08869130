#include "sim/sim_options.h"

#include <charconv>
#include <stdexcept>

namespace corvane::sim {
namespace {

[[noreturn]] void Reject(const std::string& what) {
  throw std::invalid_argument(what);
}

long WholeNumber(const std::string& option, const std::string& text, long low, long high) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
      value > high) {
    Reject(option + " needs a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + ", not '" + text + "'");
  }
  return value;
}

}  // namespace

std::string SimUsage() {
  return "usage: corvane-drive-sim --profile NAME|PATH [--baud B] [--turnaround-ms T]\n"
         "                         [--fault FAULT]... [--verbose] [--exit-with-parent]\n"
         "       corvane-drive-sim --list-profiles\n"
         "\n"
         "Serves a virtual drive (Modbus RTU, station FF) on a new pseudo-terminal and\n"
         "prints the terminal's path as the first line; stops on Ctrl+C or SIGTERM.\n"
         "\n"
         "  --profile NAME|PATH  built-in profile (see --list-profiles) or profile file\n"
         "  --baud B             the drive's line rate (default 19200; 0: any rate)\n"
         "  --turnaround-ms T    time from request to reply (default 3)\n"
         "  --fault FAULT        no-reply, bad-crc, truncated[=BYTES], exception[=CODE],\n"
         "                       wrong-station[=STATION], late=MS or disconnect-after=N;\n"
         "                       add @N to hit request N only; may be given again\n"
         "  --verbose            log every request and reply to standard error\n"
         "  --exit-with-parent   stop when the process that started it ends (Linux only),\n"
         "                       so a test that dies cannot leave the drive running\n"
         "  --list-profiles      print the built-in profile names and exit\n";
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions options;
  for (std::size_t k = 0; k < args.size(); ++k) {
    std::string option = args[k];
    std::string value;
    bool hasValue = false;
    if (const auto equals = option.find('=');
        option.starts_with("--") && equals != std::string::npos) {
      value = option.substr(equals + 1);
      option.erase(equals);
      hasValue = true;
    }
    const auto takeValue = [&]() -> std::string {
      if (hasValue) return value;
      if (k + 1 >= args.size()) Reject(option + " needs a value");
      return args[++k];
    };
    const auto noValue = [&] {
      if (hasValue) Reject(option + " takes no value");
    };
    if (option == "--profile") {
      options.profile = takeValue();
      if (options.profile.empty()) Reject("--profile needs a name or a path");
    } else if (option == "--baud") {
      const std::string text = takeValue();
      const long baud = WholeNumber(option, text, 0, 4000000);
      if (baud != 0 && baud < 50) Reject("--baud needs 0 (any rate) or a rate of 50 or more");
      options.drive.lineBaud = static_cast<int>(baud);
    } else if (option == "--turnaround-ms") {
      options.drive.turnaround =
          std::chrono::milliseconds(WholeNumber(option, takeValue(), 0, 10000));
    } else if (option == "--fault") {
      options.drive.faults.push_back(ParseFault(takeValue()));
    } else if (option == "--verbose") {
      noValue();
      options.verbose = true;
    } else if (option == "--exit-with-parent") {
      noValue();
      options.exitWithParent = true;
    } else if (option == "--list-profiles") {
      noValue();
      options.listProfiles = true;
    } else if (option == "--help" || option == "-h") {
      options.help = true;
    } else {
      Reject("unknown argument '" + args[k] + "'");
    }
  }
  if (!options.help && !options.listProfiles && options.profile.empty()) {
    Reject("--profile NAME|PATH is required (see --list-profiles)");
  }
  return options;
}

}  // namespace corvane::sim
