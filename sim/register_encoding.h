#pragma once
// How a profile becomes register values, family by family: the identification
// block, the group-size registers and each parameter's attribute block.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/profile.h"

namespace corvane::sim {

// Registers 7101.. of the DeviceNet module's EEPROM with their values as shipped.
struct EepromRegister {
  std::uint16_t address;
  std::uint16_t initial;
};
const std::vector<EepromRegister>& EepromRegisters();

inline constexpr std::uint16_t kStatusAddress = 0x2101;  // link test: 2 registers

std::uint16_t IdentificationAddress(const DriveProfile& profile);
std::vector<std::uint16_t> IdentificationRegisters(const DriveProfile& profile);

// Group g's size register sits at ((groupCount + 1) << 8) | g.
std::uint16_t GroupSizeAddress(const DriveProfile& profile, std::size_t group);
std::uint16_t GroupSizeRegister(const DriveProfile& profile, const SimGroup& group);

// Parameter i of group g answers at (g << 8) | i.
std::vector<std::uint16_t> AttributeRegisters(const DriveProfile& profile,
                                              const SimParameter& parameter);

// Packs text into registers, two characters each, high byte first, filled up to
// width characters with the profile's padding.
std::vector<std::uint16_t> PackText(const std::string& text, std::size_t width,
                                    NamePadding padding);

// 16-bit two's complement of a profile value.
inline std::uint16_t ToWord(int value) {
  return static_cast<std::uint16_t>(value & 0xFFFF);
}

}  // namespace corvane::sim
