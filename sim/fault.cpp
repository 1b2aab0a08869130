#include "sim/fault.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "sim/modbus_frames.h"
#include "sim/sim_crc.h"

namespace corvane::sim {
namespace {

struct KindInfo {
  FaultKind kind;
  std::string_view name;
  bool needsValue;
  bool takesValue;
  unsigned maxValue;
};

constexpr std::array<KindInfo, 7> kKinds{{
    {FaultKind::NoReply, "no-reply", false, false, 0},
    {FaultKind::BadCrc, "bad-crc", false, false, 0},
    {FaultKind::Truncated, "truncated", false, true, 255},
    {FaultKind::Exception, "exception", false, true, 255},
    {FaultKind::WrongStation, "wrong-station", false, true, 255},
    {FaultKind::Late, "late", true, true, 60000},
    {FaultKind::DisconnectAfter, "disconnect-after", true, true, 1000000},
}};

constexpr std::string_view kSyntax =
    "expected no-reply, bad-crc, truncated[=BYTES], exception[=CODE], wrong-station[=STATION], "
    "late=MS or disconnect-after=N, optionally followed by @N for request N only";

[[noreturn]] void Reject(std::string_view text, std::string_view why) {
  throw std::invalid_argument("bad fault '" + std::string(text) + "': " + std::string(why) + " (" +
                              std::string(kSyntax) + ")");
}

bool ParseUnsigned(std::string_view text, unsigned& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

}  // namespace

Fault ParseFault(std::string_view text) {
  Fault fault;
  std::string_view body = text;
  if (const auto at = body.find('@'); at != std::string_view::npos) {
    if (!ParseUnsigned(body.substr(at + 1), fault.onlyRequest) || fault.onlyRequest == 0) {
      Reject(text, "the request number after @ must be a whole number from 1");
    }
    body = body.substr(0, at);
  }
  std::string_view name = body;
  std::string_view value;
  const auto equals = body.find('=');
  if (equals != std::string_view::npos) {
    name = body.substr(0, equals);
    value = body.substr(equals + 1);
  }
  const auto info =
      std::find_if(kKinds.begin(), kKinds.end(), [&](const KindInfo& k) { return k.name == name; });
  if (info == kKinds.end()) Reject(text, "unknown fault");
  fault.kind = info->kind;
  if (equals == std::string_view::npos) {
    if (info->needsValue) Reject(text, "this fault needs a value");
  } else if (!info->takesValue) {
    Reject(text, "this fault takes no value");
  } else if (!ParseUnsigned(value, fault.value) || fault.value == 0 ||
             fault.value > info->maxValue) {
    Reject(text, "the value must be a whole number from 1 to " + std::to_string(info->maxValue));
  }
  if (fault.kind == FaultKind::DisconnectAfter && fault.onlyRequest != 0) {
    Reject(text, "disconnect-after takes no @N");
  }
  return fault;
}

std::string FaultText(const Fault& fault) {
  const auto info = std::find_if(kKinds.begin(), kKinds.end(),
                                 [&](const KindInfo& k) { return k.kind == fault.kind; });
  std::string text(info->name);
  if (fault.value != 0) text += "=" + std::to_string(fault.value);
  if (fault.onlyRequest != 0) text += "@" + std::to_string(fault.onlyRequest);
  return text;
}

std::string DisconnectText(unsigned requestCount) {
  return "the virtual drive disconnected after " + std::to_string(requestCount) +
         (requestCount == 1 ? " request" : " requests") + " (injected fault)";
}

FaultOutcome ApplyFaults(const std::vector<Fault>& faults, unsigned requestNumber,
                         std::uint8_t function, std::vector<std::uint8_t>& reply) {
  FaultOutcome outcome;
  const auto active = [&](FaultKind kind) -> const Fault* {
    for (const Fault& fault : faults) {
      if (fault.kind == kind && fault.AppliesTo(requestNumber)) return &fault;
    }
    return nullptr;
  };
  if (const Fault* f = active(FaultKind::Exception); f && !reply.empty()) {
    const auto code = static_cast<ExceptionCode>(f->value ? f->value : 0x04);
    reply = ExceptionReply(reply.front(), function, code);
  }
  if (const Fault* f = active(FaultKind::WrongStation); f && !reply.empty()) {
    reply.resize(reply.size() - 2);
    reply.front() = static_cast<std::uint8_t>(f->value ? f->value : 0x01);
    AppendCrc(reply);
  }
  if (active(FaultKind::BadCrc) && !reply.empty()) reply.back() ^= 0xFF;
  if (const Fault* f = active(FaultKind::Truncated); f && reply.size() > 1) {
    const std::size_t keep = f->value ? f->value : reply.size() / 2;
    reply.resize(std::min(keep, reply.size() - 1));
  }
  if (active(FaultKind::NoReply)) reply.clear();
  if (const Fault* f = active(FaultKind::Late)) outcome.extraDelayMs = f->value;
  for (const Fault& fault : faults) {
    if (fault.kind == FaultKind::DisconnectAfter && requestNumber >= fault.value) {
      outcome.disconnect = true;
    }
  }
  return outcome;
}

}  // namespace corvane::sim
