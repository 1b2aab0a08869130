// corvane-drive-sim's command line.

#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace corvane::sim {
namespace {

TEST(SimOptions, ReadsEveryOptionInBothSpellings) {
  const SimOptions options = ParseSimOptions(
      {"--profile", "qdr-k", "--baud=9600", "--turnaround-ms", "7", "--fault", "bad-crc@2",
       "--fault=disconnect-after=4", "--verbose", "--exit-with-parent"});
  EXPECT_EQ(options.profile, "qdr-k");
  EXPECT_EQ(options.drive.lineBaud, 9600);
  EXPECT_EQ(options.drive.turnaround, std::chrono::milliseconds(7));
  ASSERT_EQ(options.drive.faults.size(), 2u);
  EXPECT_EQ(FaultText(options.drive.faults[1]), "disconnect-after=4");
  EXPECT_TRUE(options.verbose);
  EXPECT_TRUE(options.exitWithParent);

  const SimOptions defaults = ParseSimOptions({"--profile", "x.profile"});
  EXPECT_EQ(defaults.drive.lineBaud, 19200);
  EXPECT_EQ(defaults.drive.turnaround, kDefaultTurnaround);
  EXPECT_FALSE(defaults.exitWithParent) << "opt-in";
  EXPECT_TRUE(ParseSimOptions({"--list-profiles"}).listProfiles);
  EXPECT_EQ(ParseSimOptions({"--profile=p", "--baud", "0"}).drive.lineBaud, 0);
}

TEST(SimOptions, RejectsBadArgumentsSayingWhich) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{}, "--profile NAME|PATH is required"},
      {{"--profile"}, "--profile needs a value"},
      {{"--profile", "p", "--baud", "fast"}, "--baud needs a whole number"},
      {{"--profile", "p", "--baud", "20"}, "--baud needs 0"},
      {{"--profile", "p", "--turnaround-ms", "-1"}, "--turnaround-ms needs a whole number"},
      {{"--profile", "p", "--fault", "slow"}, "bad fault 'slow'"},
      {{"--profile", "p", "--verbose=yes"}, "--verbose takes no value"},
      {{"--profile", "p", "--exit-with-parent=1"}, "--exit-with-parent takes no value"},
      {{"--profile", "p", "extra"}, "unknown argument 'extra'"},
  };
  for (const auto& c : cases) {
    try {
      ParseSimOptions(c.args);
      ADD_FAILURE() << "accepted: " << c.says;
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace corvane::sim
