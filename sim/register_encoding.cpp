#include "sim/register_encoding.h"

namespace corvane::sim {
namespace {

constexpr std::uint8_t kFlagTwoDecimals = 0x01;  // series T's own scale bit
constexpr std::uint8_t kFlagReadOnly = 0x08;
constexpr std::uint8_t kFlagSigned = 0x80;

// QRT410 identifies itself at 2300 with a product word of its own.
constexpr std::uint16_t kQrt410ProductWord = 0x0410;

std::uint16_t ScaleAndFlags(const DriveProfile& profile, const SimParameter& parameter) {
  std::uint8_t flags = 0;
  if (parameter.readOnly) flags |= kFlagReadOnly;
  if (parameter.isSigned && SupportsSigned(profile)) flags |= kFlagSigned;
  if (profile.family == DriveFamily::VelkoQdr && profile.series == 'T' && parameter.decimals == 2) {
    flags |= kFlagTwoDecimals;
  }
  const auto scale = static_cast<std::uint8_t>(parameter.decimals & 0x03);
  return static_cast<std::uint16_t>((scale << 8) | flags);
}

void Append(std::vector<std::uint16_t>& to, const std::vector<std::uint16_t>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

const std::vector<EepromRegister>& EepromRegisters() {
  static const std::vector<EepromRegister> kRegisters = [] {
    std::vector<EepromRegister> registers{{0x7101, 0x0000}, {0x7104, 0x0001}, {0x7105, 0x0001},
                                          {0x7110, 0x0008}, {0x7111, 0x0008}, {0x7112, 0x2000},
                                          {0x7113, 0x2001}};
    for (std::uint16_t address = 0x7114; address <= 0x7119; ++address) {
      registers.push_back({address, 0x2000});
    }
    for (std::uint16_t k = 0; k < 8; ++k) {
      registers.push_back(
          {static_cast<std::uint16_t>(0x7130 + k), static_cast<std::uint16_t>(0x2101 + k)});
    }
    return registers;
  }();
  return kRegisters;
}

std::uint16_t IdentificationAddress(const DriveProfile& profile) {
  return profile.family == DriveFamily::OrsolanQrt410 ? 0x2300 : 0x2110;
}

std::vector<std::uint16_t> IdentificationRegisters(const DriveProfile& profile) {
  const auto groups = static_cast<std::uint16_t>(profile.groups.size());
  switch (profile.family) {
    case DriveFamily::OrsolanQrt410:
      return {kQrt410ProductWord, static_cast<std::uint16_t>(profile.firmware & 0xFFu),
              static_cast<std::uint16_t>(groups + 1), 0x0000};
    case DriveFamily::OrsolanHlw620:
      return {profile.firmware, groups};
    case DriveFamily::VelkoQdr:
    case DriveFamily::LumetPx:
      break;
  }
  return {static_cast<std::uint16_t>(profile.seriesCode << 8), groups, profile.firmware};
}

std::uint16_t GroupSizeAddress(const DriveProfile& profile, std::size_t group) {
  return static_cast<std::uint16_t>(((profile.groups.size() + 1) << 8) | (group & 0xFFu));
}

std::uint16_t GroupSizeRegister(const DriveProfile& profile, const SimGroup& group) {
  const std::size_t size = group.parameters.size();
  return static_cast<std::uint16_t>(LayoutOf(profile.family).sizeMinusOne ? size - 1 : size);
}

std::vector<std::uint16_t> PackText(const std::string& text, std::size_t width,
                                    NamePadding padding) {
  std::string field = text.substr(0, width);
  field.resize(width, padding == NamePadding::Zero ? '\0' : ' ');
  std::vector<std::uint16_t> registers;
  for (std::size_t k = 0; k + 1 < field.size(); k += 2) {
    registers.push_back(static_cast<std::uint16_t>((static_cast<std::uint8_t>(field[k]) << 8) |
                                                   static_cast<std::uint8_t>(field[k + 1])));
  }
  return registers;
}

std::vector<std::uint16_t> AttributeRegisters(const DriveProfile& profile,
                                              const SimParameter& parameter) {
  const FamilyLayout& layout = LayoutOf(profile.family);
  const auto name = PackText(parameter.name, layout.nameWidth, profile.padding);
  const auto units = PackText(parameter.units, layout.unitsWidth, profile.padding);
  std::vector<std::uint16_t> block;
  switch (profile.family) {
    case DriveFamily::VelkoQdr:
    case DriveFamily::OrsolanHlw620:
      block = {ToWord(parameter.value), ToWord(parameter.maximum), ToWord(parameter.minimum),
               ScaleAndFlags(profile, parameter), ToWord(parameter.defaultValue)};
      Append(block, name);
      Append(block, units);
      break;
    case DriveFamily::OrsolanQrt410:
      block = {ToWord(parameter.defaultValue), ToWord(parameter.maximum), ToWord(parameter.minimum),
               ScaleAndFlags(profile, parameter)};
      Append(block, units);
      Append(block, name);
      break;
    case DriveFamily::LumetPx:
      break;
  }
  return block;
}

}  // namespace corvane::sim
