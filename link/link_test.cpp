#include "link/link_test.h"

#include <algorithm>

#include "link/frames.h"
#include "link/modbus_timing.h"
#include "link/rtu_reply.h"

namespace corvane {
namespace {

std::string Hex2(std::uint8_t byte) { return IntToRadixText(byte, 16, 2); }

std::string PassMessage(const RtuReply& reply, bool late) {
  std::string message = late ? "The drive answered, but only after the time-out"
                             : "The drive answered at station FF";
  if (reply.IsException()) {
    message += " (exception " + Hex2(*reply.exceptionCode) + ": " +
               ExceptionCodeText(*reply.exceptionCode) + ")";
  }
  return message + ".";
}

std::string GarbledMessage(const RtuReply& reply) {
  return "Reply garbled (" + reply.problem + "): check the baud rate.";
}

// The first bytes are all an echo of the request so far.
bool StartsAsEcho(std::span<const std::uint8_t> received, std::span<const std::uint8_t> request) {
  const std::size_t n = std::min(received.size(), request.size());
  return n > 0 && std::equal(received.begin(), received.begin() + n, request.begin());
}

}  // namespace

void LinkTest::Start() {
  const CompletedFrame frame = CompleteFrame(kLinkTestFrame);
  port_.Open();
  port_.TakeReceived();  // a fresh test judges only what answers this request
  port_.PutBlock(frame.bytes);
  request_ = frame.bytes;
  received_.clear();
  state_ = State::Running;
}

std::optional<LinkTestOutcome> LinkTest::OnReceived(std::span<const std::uint8_t> bytes) {
  if (state_ != State::Running && state_ != State::TimedOut) return std::nullopt;
  received_.insert(received_.end(), bytes.begin(), bytes.end());
  const bool timedOut = state_ == State::TimedOut;
  std::optional<LinkTestOutcome> outcome = Judge();
  if (!outcome) return std::nullopt;
  state_ = State::Decided;
  if (timedOut && !outcome->passed) return std::nullopt;  // already failed; nothing new
  return outcome;
}

std::optional<LinkTestOutcome> LinkTest::Judge() {
  std::span<const std::uint8_t> reply = received_;
  if (StartsAsEcho(reply, request_)) {
    if (reply.size() <= request_.size()) return std::nullopt;
    reply = reply.subspan(request_.size());
  }
  const RtuReply decoded = DecodeReply(reply, ExpectedReply::ReadRegisters(2));
  switch (decoded.status) {
    case ReplyStatus::NeedMore:
      return std::nullopt;
    case ReplyStatus::Complete: {
      const bool late = state_ == State::TimedOut;
      return LinkTestOutcome{true, late, PassMessage(decoded, late)};
    }
    case ReplyStatus::Invalid:
      break;
  }
  if (reply.front() != modbus_timing::kStation) {
    // Another station, or noise? Only a whole frame with a good CRC says which.
    const RtuReply foreign = DecodeReply(reply, ExpectedReply::ReadRegisters(2, reply.front()));
    if (foreign.status == ReplyStatus::NeedMore) return std::nullopt;
    if (foreign.status == ReplyStatus::Complete) {
      return LinkTestOutcome{false, false,
                             "Reply from station " + Hex2(reply.front()) +
                                 ", not FF: check the drive's station address."};
    }
  }
  return LinkTestOutcome{false, false, GarbledMessage(decoded)};
}

std::optional<LinkTestOutcome> LinkTest::TimeOut() {
  if (state_ != State::Running) return std::nullopt;
  state_ = State::TimedOut;
  const bool echoOnly = received_ == request_;
  if (received_.empty() || echoOnly) {
    return LinkTestOutcome{false, false,
                           std::string("No reply within 1 s") +
                               (echoOnly ? " (only the echo of the request came back)" : "") +
                               ": check the cable, the port and the drive's power."};
  }
  return LinkTestOutcome{false, false,
                         "Incomplete reply within 1 s (" + std::to_string(received_.size()) +
                             " bytes): check the baud rate."};
}

}  // namespace corvane
