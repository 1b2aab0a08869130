// What the drive answers, decoded the plain Modbus way and compared with the
// profile it was built from: identification, group sizes, every parameter's
// attribute block, the link-test registers, the EEPROM and the exceptions.

#include <gtest/gtest.h>

#include "sim/builtin_profiles.h"
#include "sim/drive_model.h"
#include "sim_test_util.h"

namespace corvane::sim {
namespace {

using simtest::Read;
using simtest::RegistersOf;
using simtest::Request;
using simtest::StripPadding;
using simtest::TextOf;

// Where each family keeps things in an attribute block (registers from 0).
struct Layout {
  std::size_t count, defaultAt, nameAt, nameRegisters, unitsAt;
};
Layout LayoutFor(DriveFamily family) {
  switch (family) {
    case DriveFamily::OrsolanQrt410:
      return {18, 0, 6, 12, 4};
    case DriveFamily::OrsolanHlw620:
      return {19, 4, 5, 12, 17};
    default:
      return {15, 4, 5, 8, 13};
  }
}

int AsProfileValue(std::uint16_t word, bool isSigned) {
  return isSigned ? static_cast<std::int16_t>(word) : word;
}

std::vector<std::uint16_t> Ask(DriveModel& drive, const std::vector<std::uint8_t>& request) {
  return RegistersOf(drive.Handle(request).bytes);
}

class EveryProfile : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryProfile, IdentificationReportsSeriesAndGroupCount) {
  DriveModel drive(LoadBuiltinProfile(GetParam()));
  const DriveProfile& profile = drive.Profile();
  const auto groups = profile.groups.size();
  switch (profile.family) {
    case DriveFamily::VelkoQdr:
    case DriveFamily::LumetPx: {
      const auto id = Ask(drive, Read(0x2110, 3));
      ASSERT_EQ(id.size(), 3u);
      EXPECT_EQ(id[1] & 0xFF, groups);
      if (profile.family == DriveFamily::VelkoQdr) {
        EXPECT_EQ(kQdrSeriesLetters[(id[0] >> 8) & 0x0F], profile.series);
      }
      break;
    }
    case DriveFamily::OrsolanHlw620: {
      const auto id = Ask(drive, Read(0x2110, 2));
      ASSERT_EQ(id.size(), 2u);
      EXPECT_EQ(id[1] & 0xFF, groups);
      break;
    }
    case DriveFamily::OrsolanQrt410: {
      const auto id = Ask(drive, Read(0x2300, 4));
      ASSERT_EQ(id.size(), 4u);
      EXPECT_EQ(id[1] & 0xFF, 105) << "firmware 1.05";
      EXPECT_EQ(id[2] & 0xFF, groups + 1);
      break;
    }
  }
  EXPECT_EQ(Ask(drive, Read(0x2101, 2)).size(), 2u) << "link-test registers";
}

TEST_P(EveryProfile, GroupSizesAndAttributesDecodeToTheProfile) {
  DriveModel drive(LoadBuiltinProfile(GetParam()));
  const DriveProfile& profile = drive.Profile();
  const Layout layout = LayoutFor(profile.family);
  const auto sizeBase = static_cast<std::uint16_t>((profile.groups.size() + 1) << 8);
  for (std::size_t g = 0; g < profile.groups.size(); ++g) {
    const auto& group = profile.groups[g];
    const auto size = Ask(drive, Read(static_cast<std::uint16_t>(sizeBase | g), 1));
    ASSERT_EQ(size.size(), 1u);
    const bool minusOne = profile.family != DriveFamily::OrsolanQrt410;
    EXPECT_EQ((size[0] & 0xFF) + (minusOne ? 1u : 0u), group.parameters.size()) << group.name;

    for (std::size_t i = 0; i < group.parameters.size(); ++i) {
      const SimParameter& p = group.parameters[i];
      SCOPED_TRACE(GetParam() + " parameter " + std::to_string(g) + "-" + std::to_string(i) + " " +
                   p.name);
      const auto r = Ask(drive, Read(static_cast<std::uint16_t>((g << 8) | i),
                                     static_cast<std::uint16_t>(layout.count)));
      ASSERT_EQ(r.size(), layout.count);
      const std::uint8_t flags = r[3] & 0xFF;
      const bool isSigned = (flags & 0x80) != 0;
      EXPECT_EQ(isSigned, p.isSigned);
      EXPECT_EQ((flags & 0x08) != 0, p.readOnly);
      EXPECT_EQ(AsProfileValue(r[1], isSigned), p.maximum);
      EXPECT_EQ(AsProfileValue(r[2], isSigned), p.minimum);
      EXPECT_EQ(AsProfileValue(r[layout.defaultAt], isSigned), p.defaultValue);
      if (profile.family != DriveFamily::OrsolanQrt410) {
        EXPECT_EQ(AsProfileValue(r[0], isSigned), p.value);
      }
      EXPECT_EQ((r[3] >> 8) & 0x03, p.decimals);
      if (profile.series == 'T') {
        EXPECT_EQ((flags & 0x01) ? 2 : 0, p.decimals);
      }
      EXPECT_EQ(StripPadding(TextOf(r, layout.nameAt, layout.nameRegisters)), p.name);
      EXPECT_EQ(StripPadding(TextOf(r, layout.unitsAt, 2)), p.units);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sim, EveryProfile, ::testing::ValuesIn(BuiltinProfileNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) c = c == '-' ? '_' : c;
                           return name;
                         });

TEST(DriveReplies, NamesArePaddedAsTheProfileSays) {
  DriveModel zero(LoadBuiltinProfile("qdr-w"));
  const auto name = TextOf(Ask(zero, Read(0x0000, 15)), 5, 8);
  const std::string expected = zero.Profile().groups[0].parameters[0].name;
  EXPECT_EQ(name, expected + std::string(16 - expected.size(), '\0'));

  DriveModel space(LoadBuiltinProfile("qdr-r"));
  const auto spaced = TextOf(Ask(space, Read(0x0000, 15)), 5, 8);
  const std::string spacedName = space.Profile().groups[0].parameters[0].name;
  EXPECT_EQ(spaced, spacedName + std::string(16 - spacedName.size(), ' '));
}

TEST(DriveReplies, ShorterReadsOfABlockGiveItsFirstRegisters) {
  DriveModel drive(LoadBuiltinProfile("qdr-w"));
  const auto whole = Ask(drive, Read(0x0102, 15));
  const auto part = Ask(drive, Read(0x0102, 5));
  EXPECT_EQ(part, std::vector<std::uint16_t>(whole.begin(), whole.begin() + 5));
  EXPECT_EQ(Ask(drive, Read(0x2111, 1)), std::vector<std::uint16_t>{11}) << "inside the id block";
}

TEST(DriveReplies, EepromReadsAndWritesWithTheStandardEcho) {
  DriveModel drive(LoadBuiltinProfile("qdr-w"));
  const std::pair<std::uint16_t, std::uint16_t> initial[] = {
      {0x7101, 0x0000}, {0x7104, 0x0001}, {0x7105, 0x0001}, {0x7110, 0x0008}, {0x7111, 0x0008},
      {0x7112, 0x2000}, {0x7113, 0x2001}, {0x7119, 0x2000}, {0x7130, 0x2101}, {0x7137, 0x2108}};
  for (const auto& [address, value] : initial) {
    EXPECT_EQ(Ask(drive, Read(address, 1)), std::vector<std::uint16_t>{value})
        << std::hex << address;
  }
  const auto run = Ask(drive, Read(0x7110, 10));
  EXPECT_EQ(run.size(), 10u);
  EXPECT_EQ(run[3], 0x2001);

  const auto write = Request(0x06, 0x7113, 0x2002);
  EXPECT_EQ(drive.Handle(write).bytes, write) << "the reply echoes the request";
  EXPECT_EQ(Ask(drive, Read(0x7113, 1)), std::vector<std::uint16_t>{0x2002});
}

TEST(DriveReplies, ExceptionsForWhatTheDriveDoesNotHave) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> request;
    std::uint8_t function, code;
  } cases[] = {
      {"unknown function", Request(0x04, 0x2110, 1), 0x84, 0x01},
      {"read no registers", Read(0x2110, 0), 0x83, 0x03},
      {"read 126 registers", Read(0x7110, 126), 0x83, 0x03},
      {"no such register", Read(0x1234, 1), 0x83, 0x02},
      {"past the id block", Read(0x2110, 4), 0x83, 0x02},
      {"gap in the EEPROM", Read(0x7101, 2), 0x83, 0x02},
      {"past an attribute block", Read(0x0000, 16), 0x83, 0x02},
      {"parameter past the group", Read(0x0018, 15), 0x83, 0x02},
      {"group that does not exist", Read(0x0B00, 15), 0x83, 0x02},
      {"write the identification", Request(0x06, 0x2110, 1), 0x86, 0x02},
      {"write an attribute", Request(0x06, 0x0000, 1), 0x86, 0x02},
  };
  DriveModel drive(LoadBuiltinProfile("qdr-w"));  // group 0 has 24 parameters
  for (const auto& c : cases) {
    const DriveReply reply = drive.Handle(c.request);
    std::vector<std::uint8_t> expected{0xFF, c.function, c.code};
    AppendCrc(expected);
    EXPECT_EQ(reply.bytes, expected) << c.what;
  }
}

TEST(DriveReplies, SilentForBadCrcAndOtherStationsButCarriesOutBroadcastWrites) {
  DriveModel drive(LoadBuiltinProfile("qdr-w"));
  auto badCrc = Read(0x2110, 3);
  badCrc.back() ^= 0x01;
  EXPECT_TRUE(drive.Handle(badCrc).bytes.empty());
  EXPECT_TRUE(drive.Handle(Request(0x03, 0x2110, 3, 0x01)).bytes.empty());
  EXPECT_TRUE(drive.Handle(Request(0x06, 0x7110, 4, 0x00)).bytes.empty());
  EXPECT_EQ(drive.RequestCount(), 0u) << "none of these is a request to this drive";
  EXPECT_EQ(drive.Registers().Value(0x7110), 4);
}

}  // namespace
}  // namespace corvane::sim
