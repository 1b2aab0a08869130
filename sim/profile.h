#pragma once
// A virtual drive's parameter set: identity, groups and per-parameter attributes,
// as loaded from a profile file. The register encoding lives in drive_registers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/drive_family.h"

namespace corvane::sim {

struct SimParameter {
  std::string name;  // bytes as the drive sends them, before padding
  std::string units;
  // Values as written in the profile; signed parameters may be negative and go on
  // the wire as 16-bit two's complement.
  int minimum = 0;
  int maximum = 0;
  int defaultValue = 0;
  int value = 0;  // the parameter's current setting
  int decimals = 0;
  bool readOnly = false;
  bool isSigned = false;
};

struct SimGroup {
  std::string name;
  std::vector<SimParameter> parameters;
};

// How a name or units text shorter than its field is filled.
enum class NamePadding { Zero, Space };

struct DriveProfile {
  std::string name;  // "qdr-w", or the file's stem for a user profile
  DriveFamily family = DriveFamily::VelkoQdr;
  char series = 0;              // 'R', 'T', 'H', 'N', 'W', 'K' or 'P' for VelkoQdr
  std::uint8_t seriesCode = 0;  // identification register 0, high byte
  std::uint16_t firmware = 0;   // VelkoQdr/LumetPx: register 2; OrsolanQrt410: version byte
  std::array<std::uint16_t, 2> status{};  // link-test registers 2101 and 2102
  NamePadding padding = NamePadding::Zero;
  std::vector<SimGroup> groups;

  std::size_t ParameterCount() const;
};

// Register-layout facts of a family.
struct FamilyLayout {
  std::string_view keyword;        // as written after "family" in a profile
  std::size_t nameWidth;           // characters in the name field
  std::size_t unitsWidth;          // characters in the units field
  std::size_t attributeRegisters;  // registers per attribute block (0: none)
  std::size_t maxGroups;           // what the identification reply can report
  bool sizeMinusOne;               // the group-size register holds size - 1
};

const FamilyLayout& LayoutOf(DriveFamily family);

// Series letters of VelkoQdr in series-code order (code 0 is R).
inline constexpr std::string_view kQdrSeriesLetters = "RTHNWKP";

// Whether the drive marks signed parameters (flags bit 7): series W and HLW620.
bool SupportsSigned(const DriveProfile& profile);

}  // namespace corvane::sim
