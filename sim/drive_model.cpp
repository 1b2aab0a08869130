#include "sim/drive_model.h"

#include <utility>

#include "sim/modbus_frames.h"
#include "sim/sim_crc.h"

namespace corvane::sim {
namespace {

std::uint16_t WordAt(const std::vector<std::uint8_t>& frame, std::size_t at) {
  return static_cast<std::uint16_t>((frame[at] << 8) | frame[at + 1]);
}

}  // namespace

DriveModel::DriveModel(DriveProfile profile, DriveSettings settings)
    : profile_(std::move(profile)), settings_(std::move(settings)), registers_(profile_) {}

DriveReply DriveModel::Handle(const std::vector<std::uint8_t>& frame) {
  DriveReply reply;
  if (disconnected_ || frame.size() < 4 || !CrcMatches(frame)) return reply;
  const std::uint8_t station = frame[0];
  if (station == kBroadcastStation) {
    // Broadcast writes are carried out and never answered.
    if (frame.size() == 8 && frame[1] == kWriteSingleRegister) {
      registers_.Write(WordAt(frame, 2), WordAt(frame, 4));
    }
    return reply;
  }
  if (station != kDriveStation) return reply;
  reply.requestNumber = ++requestCount_;
  reply.bytes = Answer(frame);
  const FaultOutcome outcome =
      ApplyFaults(settings_.faults, reply.requestNumber, frame[1], reply.bytes);
  reply.extraDelay = std::chrono::milliseconds(outcome.extraDelayMs);
  reply.disconnect = outcome.disconnect;
  disconnected_ = outcome.disconnect;
  return reply;
}

std::vector<std::uint8_t> DriveModel::Answer(const std::vector<std::uint8_t>& frame) {
  const std::uint8_t function = frame[1];
  if (function != kReadHoldingRegisters && function != kWriteSingleRegister) {
    return ExceptionReply(kDriveStation, function, ExceptionCode::IllegalFunction);
  }
  // Both functions carry exactly an address and a word; any other length is bad data.
  if (frame.size() != 8) {
    return ExceptionReply(kDriveStation, function, ExceptionCode::IllegalDataValue);
  }
  const std::uint16_t address = WordAt(frame, 2);
  const std::uint16_t word = WordAt(frame, 4);
  if (function == kReadHoldingRegisters) {
    const ReadResult result = registers_.Read(address, word);
    if (result.error) return ExceptionReply(kDriveStation, function, *result.error);
    return ReadReply(kDriveStation, result.values);
  }
  if (const auto error = registers_.Write(address, word)) {
    return ExceptionReply(kDriveStation, function, *error);
  }
  return WriteEcho(kDriveStation, address, word);
}

}  // namespace corvane::sim
