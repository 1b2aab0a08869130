#pragma once
// Faults the virtual drive can be told to commit, and their text form:
//   KIND[=VALUE][@N]      KIND applies to every request, or only to request N (from 1)
//   no-reply | bad-crc | truncated[=BYTES] | exception[=CODE] | wrong-station[=STATION]
//   late=MS | disconnect-after=N
// Requests are counted per drive: frames with a good CRC addressed to its station.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::sim {

enum class FaultKind {
  NoReply,          // the request goes unanswered
  BadCrc,           // the reply's CRC is wrong
  Truncated,        // only the first BYTES of the reply are sent (default: half)
  Exception,        // an exception reply with CODE instead (default 04)
  WrongStation,     // the reply comes from STATION (default 01), CRC matching
  Late,             // the reply comes MS milliseconds later than usual
  DisconnectAfter,  // the line drops once N requests have been answered
};

struct Fault {
  FaultKind kind = FaultKind::NoReply;
  unsigned value = 0;        // see FaultKind; 0 where the default applies
  unsigned onlyRequest = 0;  // 0: every request; n: only request n

  bool AppliesTo(unsigned requestNumber) const {
    return onlyRequest == 0 || onlyRequest == requestNumber;
  }
};

// Throws std::invalid_argument with a message naming the text and the syntax.
Fault ParseFault(std::string_view text);
std::string FaultText(const Fault& fault);

// "the virtual drive disconnected after 3 requests (injected fault)"
std::string DisconnectText(unsigned requestCount);

// What the faults make of the reply to request number requestNumber; reply may
// become empty (no reply). function is the request's function code.
struct FaultOutcome {
  unsigned extraDelayMs = 0;
  bool disconnect = false;
};
FaultOutcome ApplyFaults(const std::vector<Fault>& faults, unsigned requestNumber,
                         std::uint8_t function, std::vector<std::uint8_t>& reply);

}  // namespace corvane::sim
