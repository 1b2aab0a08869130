#pragma once
// The register space of one virtual drive: fixed registers (identification, link
// test, group sizes), the writable module EEPROM, and attribute blocks that start
// at every (group << 8) | index address.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "sim/modbus_frames.h"
#include "sim/profile.h"

namespace corvane::sim {

struct ReadResult {
  std::vector<std::uint16_t> values;
  std::optional<ExceptionCode> error;  // set: no values, answer with this exception
};

class DriveRegisters {
 public:
  explicit DriveRegisters(const DriveProfile& profile);

  // Function 03: count 1..125 registers from address.
  ReadResult Read(std::uint16_t address, std::uint16_t count) const;
  // Function 06: only the EEPROM registers take writes.
  std::optional<ExceptionCode> Write(std::uint16_t address, std::uint16_t value);

  // A fixed or EEPROM register's value (not the attribute blocks).
  std::optional<std::uint16_t> Value(std::uint16_t address) const;

 private:
  void Define(std::uint16_t address, const std::vector<std::uint16_t>& values);

  std::map<std::uint16_t, std::uint16_t> fixed_;
  std::set<std::uint16_t> writable_;
  // Attribute blocks overlap (parameter i + 1 starts one address after parameter i),
  // so each is kept whole under its start address.
  std::map<std::uint16_t, std::vector<std::uint16_t>> attributeBlocks_;
};

}  // namespace corvane::sim
