#include "sim/drive_registers.h"

#include "sim/register_encoding.h"

namespace corvane::sim {

DriveRegisters::DriveRegisters(const DriveProfile& profile) {
  Define(IdentificationAddress(profile), IdentificationRegisters(profile));
  Define(kStatusAddress, {profile.status[0], profile.status[1]});
  for (const auto& item : EepromRegisters()) {
    fixed_[item.address] = item.initial;
    writable_.insert(item.address);
  }
  if (LayoutOf(profile.family).attributeRegisters == 0) return;
  for (std::size_t g = 0; g < profile.groups.size(); ++g) {
    const SimGroup& group = profile.groups[g];
    Define(GroupSizeAddress(profile, g), {GroupSizeRegister(profile, group)});
    for (std::size_t i = 0; i < group.parameters.size(); ++i) {
      const auto address = static_cast<std::uint16_t>((g << 8) | i);
      attributeBlocks_[address] = AttributeRegisters(profile, group.parameters[i]);
    }
  }
}

void DriveRegisters::Define(std::uint16_t address, const std::vector<std::uint16_t>& values) {
  for (std::size_t k = 0; k < values.size(); ++k) {
    fixed_[static_cast<std::uint16_t>(address + k)] = values[k];
  }
}

ReadResult DriveRegisters::Read(std::uint16_t address, std::uint16_t count) const {
  if (count == 0 || count > kMaxReadCount) return {{}, ExceptionCode::IllegalDataValue};
  if (const auto block = attributeBlocks_.find(address); block != attributeBlocks_.end()) {
    if (count > block->second.size()) return {{}, ExceptionCode::IllegalDataAddress};
    return {{block->second.begin(), block->second.begin() + count}, std::nullopt};
  }
  ReadResult result;
  for (unsigned k = 0; k < count; ++k) {
    const unsigned at = address + k;
    const auto found = at <= 0xFFFF ? fixed_.find(static_cast<std::uint16_t>(at)) : fixed_.end();
    if (found == fixed_.end()) return {{}, ExceptionCode::IllegalDataAddress};
    result.values.push_back(found->second);
  }
  return result;
}

std::optional<ExceptionCode> DriveRegisters::Write(std::uint16_t address, std::uint16_t value) {
  if (!writable_.contains(address)) return ExceptionCode::IllegalDataAddress;
  fixed_[address] = value;
  return std::nullopt;
}

std::optional<std::uint16_t> DriveRegisters::Value(std::uint16_t address) const {
  const auto found = fixed_.find(address);
  if (found == fixed_.end()) return std::nullopt;
  return found->second;
}

}  // namespace corvane::sim
