#pragma once
// Helpers for the virtual drive tests: requests and replies the plain Modbus
// way, without the program's own link code, and a virtual port on a manual clock.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "manual_scheduler.h"
#include "sim/builtin_profiles.h"
#include "sim/drive_model.h"
#include "sim/sim_crc.h"
#include "sim/virtual_serial_port.h"

namespace corvane::simtest {

using sim::AppendCrc;
using sim::CrcMatches;

inline std::vector<std::uint8_t> Request(std::uint8_t function, std::uint16_t address,
                                         std::uint16_t word, std::uint8_t station = 0xFF) {
  std::vector<std::uint8_t> frame{station,
                                  function,
                                  static_cast<std::uint8_t>(address >> 8),
                                  static_cast<std::uint8_t>(address & 0xFF),
                                  static_cast<std::uint8_t>(word >> 8),
                                  static_cast<std::uint8_t>(word & 0xFF)};
  AppendCrc(frame);
  return frame;
}

inline std::vector<std::uint8_t> Read(std::uint16_t address, std::uint16_t count) {
  return Request(0x03, address, count);
}

// The registers of a well-formed 03 reply from station FF; a test failure otherwise.
inline std::vector<std::uint16_t> RegistersOf(const std::vector<std::uint8_t>& reply) {
  std::vector<std::uint16_t> values;
  EXPECT_GE(reply.size(), 5u);
  if (reply.size() < 5) return values;
  EXPECT_EQ(reply[0], 0xFF);
  EXPECT_EQ(reply[1], 0x03);
  EXPECT_EQ(reply[2] + 5u, reply.size());
  EXPECT_TRUE(CrcMatches(reply));
  for (std::size_t at = 3; at + 3 < reply.size(); at += 2) {
    values.push_back(static_cast<std::uint16_t>((reply[at] << 8) | reply[at + 1]));
  }
  return values;
}

// Characters packed two per register, high byte first.
inline std::string TextOf(const std::vector<std::uint16_t>& registers, std::size_t first,
                          std::size_t count) {
  std::string text;
  for (std::size_t k = first; k < first + count && k < registers.size(); ++k) {
    text += static_cast<char>(registers[k] >> 8);
    text += static_cast<char>(registers[k] & 0xFF);
  }
  return text;
}

inline std::string StripPadding(std::string text) {
  while (!text.empty() && (text.back() == '\0' || text.back() == ' ')) text.pop_back();
  return text;
}

// A virtual port on a manual clock that records every delivery.
struct PortRig {
  explicit PortRig(const std::string& profile = "qdr-w", sim::DriveSettings settings = {})
      : drive(std::make_shared<sim::DriveModel>(sim::LoadBuiltinProfile(profile),
                                                std::move(settings))),
        port(scheduler, drive) {
    Watch(port);
    port.Open();
  }

  void Watch(sim::VirtualSerialPort& p) {
    p.SetOnTriggerAvail([this](std::size_t count) { chunks.push_back(count); });
    p.SetOnPortClose([this] { ++closeCount; });
  }

  // Sends request and runs the clock until the line is quiet.
  std::vector<std::uint8_t> Exchange(const std::vector<std::uint8_t>& request) {
    port.PutBlock(request);
    scheduler.RunUntilIdle();
    return port.TakeReceived();
  }

  testing::ManualScheduler scheduler;
  std::shared_ptr<sim::DriveModel> drive;
  sim::VirtualSerialPort port;
  std::vector<std::size_t> chunks;  // byte counts of the received-data notifications
  int closeCount = 0;
};

}  // namespace corvane::simtest
