// Profile files: the built-in set, the text format, and errors that name the
// line and the fault.

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "sim/builtin_profiles.h"
#include "sim/profile_loader.h"

namespace corvane::sim {
namespace {

TEST(BuiltinProfiles, EachFamilyAndSeriesLoadsWithItsShape) {
  struct Case {
    const char* name;
    DriveFamily family;
    char series;
    std::size_t groups;
    std::size_t minParameters;
  } cases[] = {
      {"qdr-r", DriveFamily::VelkoQdr, 'R', 1, 60},
      {"qdr-t", DriveFamily::VelkoQdr, 'T', 11, 100},
      {"qdr-h", DriveFamily::VelkoQdr, 'H', 11, 200},
      {"qdr-n", DriveFamily::VelkoQdr, 'N', 10, 100},
      {"qdr-w", DriveFamily::VelkoQdr, 'W', 11, 250},
      {"qdr-k", DriveFamily::VelkoQdr, 'K', 12, 250},
      {"qdr-p", DriveFamily::VelkoQdr, 'P', 12, 250},
      {"qrt410", DriveFamily::OrsolanQrt410, 0, 8, 100},
      {"hlw620", DriveFamily::OrsolanHlw620, 0, 8, 100},
      {"px", DriveFamily::LumetPx, 0, 0, 0},
  };
  std::vector<std::string> expectedNames;
  for (const auto& c : cases) {
    expectedNames.push_back(c.name);
    const DriveProfile profile = LoadBuiltinProfile(c.name);
    EXPECT_EQ(profile.name, c.name);
    EXPECT_EQ(profile.family, c.family) << c.name;
    EXPECT_EQ(profile.series, c.series) << c.name;
    EXPECT_EQ(profile.groups.size(), c.groups) << c.name;
    EXPECT_GE(profile.ParameterCount(), c.minParameters) << c.name;
  }
  EXPECT_EQ(BuiltinProfileNames(), expectedNames);
  EXPECT_EQ(LoadBuiltinProfile("qdr-r").groups[0].parameters.size(), 60u);
}

// The program must find and flag these, so the built-in sets carry them.
TEST(BuiltinProfiles, CarryOutOfRangeDefaultsReadOnlyAndSignedParameters) {
  for (const auto& name : BuiltinProfileNames()) {
    const DriveProfile profile = LoadBuiltinProfile(name);
    if (profile.groups.empty()) continue;
    int outOfRange = 0, readOnly = 0, negativeSignedDefaults = 0, decimals = 0;
    for (const auto& group : profile.groups) {
      for (const auto& p : group.parameters) {
        outOfRange += p.defaultValue < p.minimum || p.defaultValue > p.maximum;
        readOnly += p.readOnly;
        negativeSignedDefaults += p.isSigned && p.defaultValue < 0;
        decimals += p.decimals > 0;
      }
    }
    EXPECT_GE(outOfRange, 2) << name;
    EXPECT_GE(readOnly, 1) << name;
    EXPECT_GE(decimals, 1) << name;
    if (SupportsSigned(profile)) {
      EXPECT_GE(negativeSignedDefaults, 1) << name;
    }
  }
}

TEST(ProfileText, ReadsHeaderParametersEscapesAndOptionalValue) {
  const DriveProfile profile = ParseProfile(
      "# a drive\r\n"
      "family qdr\r\n"
      "series W\n"
      "firmware 0x0123\n"
      "status 7 0x1770\n"
      "padding space\n"
      "\n"
      "group Basic Parameters\n"
      "param A\\|B\\\\C\\x00 | \\xB0C | -10 | 10 | -3 | 1 | ro, signed\n"
      "param Plain |  | 0 | 0xFFFF | 5 | 0 | - | 9\n",
      "test", "mine");
  EXPECT_EQ(profile.name, "mine");
  EXPECT_EQ(profile.seriesCode, 4);
  EXPECT_EQ(profile.firmware, 0x0123);
  EXPECT_EQ(profile.status[0], 7);
  EXPECT_EQ(profile.status[1], 0x1770);
  EXPECT_EQ(profile.padding, NamePadding::Space);
  ASSERT_EQ(profile.groups.size(), 1u);
  EXPECT_EQ(profile.groups[0].name, "Basic Parameters");
  ASSERT_EQ(profile.groups[0].parameters.size(), 2u);
  const SimParameter& first = profile.groups[0].parameters[0];
  EXPECT_EQ(first.name, std::string("A|B\\C\0", 6));
  EXPECT_EQ(first.units,
            "\xB0"
            "C");
  EXPECT_EQ(first.minimum, -10);
  EXPECT_EQ(first.defaultValue, -3);
  EXPECT_EQ(first.value, -3) << "the value defaults to the default";
  EXPECT_EQ(first.decimals, 1);
  EXPECT_TRUE(first.readOnly);
  EXPECT_TRUE(first.isSigned);
  const SimParameter& second = profile.groups[0].parameters[1];
  EXPECT_EQ(second.maximum, 65535);
  EXPECT_EQ(second.value, 9);
  EXPECT_FALSE(second.readOnly || second.isSigned);
}

TEST(ProfileText, ErrorsNameTheLineAndTheFault) {
  const std::string qdr = "family qdr\nseries R\ngroup G\n";
  struct Case {
    std::string text;
    int line;
    const char* says;
  } cases[] = {
      {"group G\n", 1, "'group' before the 'family' line"},
      {"family abc\n", 1, "unknown family 'abc'"},
      {"family qdr\nfamily qdr\n", 2, "second 'family'"},
      {"family qdr\ngroup G\nparam A | | 0 | 1 | 0 | 0 | -\n", 1, "needs a 'series'"},
      {"family hlw620\nseries W\n", 2, "only for family qdr"},
      {"family qdr\nseries X\n", 2, "unknown series 'X'"},
      {"family qdr\nseries R\ncolour blue\n", 3, "unknown keyword 'colour'"},
      {"family qdr\nseries R\nparam A | | 0 | 1 | 0 | 0 | -\n", 3, "before the first 'group'"},
      {qdr + "param A | | 0 | 1 | 0\n", 4, "expected 7 or 8 fields"},
      {qdr + "param ABCDEFGHIJKLMNOPQ | | 0 | 1 | 0 | 0 | -\n", 4, "at most 16"},
      {qdr + "param A | volts | 0 | 1 | 0 | 0 | -\n", 4, "units 'volts'"},
      {qdr + "param A | | zero | 1 | 0 | 0 | -\n", 4, "minimum 'zero' is not a number"},
      {qdr + "param A | | --5 | 1 | 0 | 0 | -\n", 4, "minimum '--5' is not a number"},
      {qdr + "param A | | 0 | 0x-5 | 0 | 0 | -\n", 4, "maximum '0x-5' is not a number"},
      {"family qdr\nseries W\ngroup G\nparam A | | -9 | 9 | +-5 | 0 | signed\n", 4,
       "default '+-5' is not a number"},
      {qdr + "param A | | -1 | 1 | 0 | 0 | -\n", 4, "minimum -1 is outside 0..65535"},
      {qdr + "param A | | 0 | 65536 | 0 | 0 | -\n", 4, "maximum 65536 is outside"},
      {qdr + "param A | | 0 | 1 | 0 | 4 | -\n", 4, "decimals 4 is outside 0..3"},
      {qdr + "param A | | 0 | 1 | 0 | 0 | rw\n", 4, "unknown flag 'rw'"},
      {qdr + "param A | | 0 | 1 | 0 | 0 | signed\n", 4, "signed parameters exist only"},
      {qdr + "param A\\q | | 0 | 1 | 0 | 0 | -\n", 4, "bad escape"},
      {"family qdr\nseries W\ngroup G\nparam A | | -32769 | 1 | 0 | 0 | signed\n", 4,
       "outside -32768..32767"},
      {"family qdr\nseries T\ngroup G\nparam A | | 0 | 1 | 0 | 1 | -\n", 4, "only 0 or 2"},
      {"family qdr\nseries R\ngroup Empty\ngroup Next\n", 3, "'Empty' has no parameters"},
      {"family hlw620\ngroup G\nparam A | | 0 | 1 | 0 | 0 | -\ngroup Last\n", 4,
       "'Last' has no parameters"},
      {"family px\ngroup G\n", 2, "has no groups"},
      {"family qrt410\nfirmware 256\n", 2, "firmware 256 is outside 0..255"},
      {"family qdr\nseries R\nstatus 1\n", 3, "two register values"},
      {"# nothing\n", 0, "no 'family' line"},
  };
  for (const auto& c : cases) {
    try {
      ParseProfile(c.text, "my.profile", "my");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ProfileError& error) {
      EXPECT_EQ(error.Line(), c.line) << error.what();
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
      const std::string where =
          c.line ? "my.profile:" + std::to_string(c.line) + ": " : "my.profile: ";
      EXPECT_EQ(std::string(error.what()).rfind(where, 0), 0u) << error.what();
    }
  }
}

TEST(ProfileText, GroupLimitsFollowWhatTheIdentificationCanReport) {
  const auto groups = [](const char* header, int count) {
    std::string text = header;
    for (int g = 0; g < count; ++g) text += "group G\nparam A | | 0 | 1 | 0 | 0 | -\n";
    return text;
  };
  EXPECT_EQ(ParseProfile(groups("family qdr\nseries K\n", 15), "t", "t").groups.size(), 15u);
  EXPECT_THROW(ParseProfile(groups("family qdr\nseries K\n", 16), "t", "t"), ProfileError);
  EXPECT_EQ(ParseProfile(groups("family qrt410\n", 14), "t", "t").groups.size(), 14u);
  EXPECT_THROW(ParseProfile(groups("family qrt410\n", 15), "t", "t"), ProfileError);
  // QRT410 reports sizes as they are, so an empty group is fine there.
  EXPECT_NO_THROW(ParseProfile("family qrt410\ngroup Empty\n", "t", "t"));
}

TEST(ProfileText, GroupSizeLimitFollowsTheSizeByte) {
  struct Case {
    std::string header;
    int headerLines;
    int most;
  } cases[] = {
      {"family qdr\nseries R\n", 2, 256},  // sends size - 1
      {"family hlw620\n", 1, 256},         // sends size - 1
      {"family qrt410\n", 1, 255},         // sends the size itself
  };
  for (const auto& c : cases) {
    std::string text = c.header + "group G\n";
    for (int k = 0; k < c.most; ++k) text += "param A | | 0 | 1 | 0 | 0 | -\n";
    EXPECT_EQ(ParseProfile(text, "t", "t").groups.at(0).parameters.size(),
              static_cast<std::size_t>(c.most))
        << c.header;
    text += "param Over | | 0 | 1 | 0 | 0 | -\n";
    try {
      ParseProfile(text, "t", "t");
      ADD_FAILURE() << "accepted " << c.most + 1 << " parameters: " << c.header;
    } catch (const ProfileError& error) {
      const std::string where = "t:" + std::to_string(c.headerLines + 1 + c.most + 1) + ": ";
      const std::string says = "more than " + std::to_string(c.most) + " parameters";
      EXPECT_EQ(std::string(error.what()).rfind(where, 0), 0u) << error.what();
      EXPECT_NE(std::string(error.what()).find(says), std::string::npos) << error.what();
    }
  }
}

TEST(ProfileFile, NamesTheFileInErrorsAndTakesItsStemAsName) {
  const std::string path = ::testing::TempDir() + "/my-drive.profile";
  {
    std::ofstream out(path);
    out << "family hlw620\ngroup G\nparam Speed | rpm | 0 | 100 | 5 | 0 | -\n";
  }
  EXPECT_EQ(LoadProfileFile(path).name, "my-drive");
  EXPECT_EQ(LoadProfile(path).groups.size(), 1u) << "a path is loaded as a file";
  {
    std::ofstream out(path);
    out << "family hlw620\ngroup G\nparam Speed | rpm\n";
  }
  try {
    LoadProfileFile(path);
    ADD_FAILURE() << "accepted a bad file";
  } catch (const ProfileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(path + ":3: expected 7 or 8 fields", 0), 0u)
        << error.what();
  }
  std::remove(path.c_str());
  try {
    LoadProfileFile(path);
    ADD_FAILURE() << "opened a missing file";
  } catch (const ProfileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(path + ": cannot open", 0), 0u) << error.what();
  }
}

TEST(ProfileFile, UnknownBareNameListsTheBuiltInProfiles) {
  try {
    LoadProfile("qdr-x");
    ADD_FAILURE() << "loaded an unknown profile";
  } catch (const ProfileError& error) {
    EXPECT_NE(std::string(error.what()).find("qdr-w"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace corvane::sim
