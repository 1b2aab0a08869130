#include "link/link_test.h"

#include <cstdio>

#include "link/frames.h"
#include "link/modbus_timing.h"
#include "link/rtu_reply.h"

namespace corvane {
namespace {

std::string Hex2(std::uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

std::string PassMessage(const RtuReply& reply, bool late) {
  std::string message = late ? "The drive answered, but only after the time-out"
                             : "The drive answered at station FF";
  if (reply.IsException()) {
    message += " (exception " + Hex2(*reply.exceptionCode) + ": " +
               ExceptionCodeText(*reply.exceptionCode) + ")";
  }
  return message + ".";
}

std::string GarbledMessage(std::span<const std::uint8_t> received, const RtuReply& reply) {
  if (!received.empty() && received.front() != modbus_timing::kStation) {
    return "Reply from station " + Hex2(received.front()) +
           ", not FF: check the drive's station address.";
  }
  return "Reply garbled (" + reply.problem + "): check the baud rate.";
}

}  // namespace

void LinkTest::Start() {
  port_.Open();
  port_.TakeReceived();  // a fresh test judges only what answers this request
  SendCommandFrame(port_, kLinkTestFrame);
  received_.clear();
  state_ = State::Running;
}

std::optional<LinkTestOutcome> LinkTest::OnReceived(std::span<const std::uint8_t> bytes) {
  if (state_ != State::Running && state_ != State::TimedOut) return std::nullopt;
  received_.insert(received_.end(), bytes.begin(), bytes.end());
  const RtuReply reply = DecodeReply(received_, ExpectedReply::ReadRegisters(2));
  switch (reply.status) {
    case ReplyStatus::NeedMore:
      return std::nullopt;
    case ReplyStatus::Complete: {
      const bool late = state_ == State::TimedOut;
      state_ = State::Decided;
      return LinkTestOutcome{true, late, PassMessage(reply, late)};
    }
    case ReplyStatus::Invalid:
      if (state_ == State::TimedOut) {  // already failed; nothing more to learn
        state_ = State::Decided;
        return std::nullopt;
      }
      state_ = State::Decided;
      return LinkTestOutcome{false, false, GarbledMessage(received_, reply)};
  }
  return std::nullopt;
}

std::optional<LinkTestOutcome> LinkTest::TimeOut() {
  if (state_ != State::Running) return std::nullopt;
  state_ = State::TimedOut;
  if (received_.empty()) {
    return LinkTestOutcome{false, false,
                           "No reply within 1 s: check the cable, the port and the drive's power."};
  }
  return LinkTestOutcome{false, false,
                         "Incomplete reply within 1 s (" + std::to_string(received_.size()) +
                             " bytes): check the baud rate."};
}

}  // namespace corvane
