#include "link/rtu_reply.h"

#include <stdexcept>
#include <utility>

#include "link/frames.h"

namespace corvane {
namespace {

constexpr std::size_t kCrcBytes = 2;
constexpr std::size_t kExceptionReplyBytes = 3 + kCrcBytes;  // station, function, code
constexpr std::size_t kWriteReplyBytes = 6 + kCrcBytes;      // echo of the request

std::string Hex2(std::uint32_t value) {
  return IntToRadixText(static_cast<std::int32_t>(value), 16, 2);
}
std::string Hex4(std::uint32_t value) {
  return IntToRadixText(static_cast<std::int32_t>(value), 16, 4);
}

std::uint16_t Word(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::uint16_t>(high << 8 | low);
}

RtuReply Invalid(std::string problem) {
  RtuReply reply;
  reply.status = ReplyStatus::Invalid;
  reply.problem = std::move(problem);
  return reply;
}

// The CRC of the first length - 2 bytes must be in the last two, low byte first.
bool CrcMatches(std::span<const std::uint8_t> frame, std::string& problem) {
  const auto body = static_cast<std::uint8_t>(frame.size() - kCrcBytes);
  const std::uint16_t computed = Crc16(frame.data(), body);  // wire order in one value
  const std::uint16_t received = Word(frame[body], frame[body + 1]);
  if (computed == received) return true;
  problem = "CRC " + Hex4(received) + " in reply, computed " + Hex4(computed);
  return false;
}

}  // namespace

ExpectedReply ExpectedReply::ReadRegisters(std::uint16_t count, std::uint8_t station) {
  if (count == 0 || count > kMaxReadRegisters) {
    throw std::invalid_argument("A read asks for 1 to " + std::to_string(kMaxReadRegisters) +
                                " registers, not " + std::to_string(count));
  }
  ExpectedReply expected;
  expected.station = station;
  expected.function = kReadHoldingRegisters;
  expected.registerCount = count;
  return expected;
}

ExpectedReply ExpectedReply::WriteRegister(std::uint16_t address, std::uint16_t value,
                                           std::uint8_t station) {
  ExpectedReply expected;
  expected.station = station;
  expected.function = kWriteSingleRegister;
  expected.address = address;
  expected.value = value;
  return expected;
}

ExpectedReply ExpectedReply::ForRequest(std::span<const std::uint8_t> request) {
  if (request.size() != 6 && request.size() != 6 + kCrcBytes) {
    throw std::invalid_argument("A request has 6 bytes (8 with its CRC), not " +
                                std::to_string(request.size()));
  }
  const std::uint16_t first = Word(request[2], request[3]);
  const std::uint16_t second = Word(request[4], request[5]);
  switch (request[1]) {
    case kReadHoldingRegisters:
      return ReadRegisters(second, request[0]);
    case kWriteSingleRegister:
      return WriteRegister(first, second, request[0]);
    default:
      throw std::invalid_argument("No reply rule for function " + Hex2(request[1]));
  }
}

RtuReply DecodeReply(std::span<const std::uint8_t> received, const ExpectedReply& expected) {
  RtuReply reply;  // NeedMore
  if (received.empty()) return reply;
  if (received[0] != expected.station) {
    return Invalid("Reply from station " + Hex2(received[0]) + ", expected " +
                   Hex2(expected.station));
  }
  if (received.size() < 2) return reply;

  const std::uint8_t function = received[1];
  std::size_t length = 0;
  if (function == (expected.function | kExceptionFlag)) {
    length = kExceptionReplyBytes;
  } else if (function != expected.function) {
    return Invalid("Function " + Hex2(function) + " in reply, expected " + Hex2(expected.function));
  } else if (function == kWriteSingleRegister) {
    length = kWriteReplyBytes;
  } else {
    if (received.size() < 3) return reply;
    const std::size_t byteCount = received[2];
    if (byteCount != 2u * expected.registerCount) {
      return Invalid("Byte count " + Hex2(received[2]) + " in reply, expected " +
                     Hex2(2u * expected.registerCount) + " for " +
                     std::to_string(expected.registerCount) + " registers");
    }
    length = 3 + byteCount + kCrcBytes;
  }
  if (received.size() < length) return reply;

  const auto frame = received.first(length);
  std::string problem;
  if (!CrcMatches(frame, problem)) return Invalid(problem);

  if (function & kExceptionFlag) {
    reply.exceptionCode = frame[2];
  } else if (function == kWriteSingleRegister) {
    const std::uint16_t address = Word(frame[2], frame[3]);
    const std::uint16_t value = Word(frame[4], frame[5]);
    if (address != expected.address || value != expected.value) {
      return Invalid("Write reply echoes register " + Hex4(address) + " value " + Hex4(value) +
                     ", expected register " + Hex4(expected.address) + " value " +
                     Hex4(expected.value));
    }
  } else {
    reply.data.assign(frame.begin() + 3, frame.end() - kCrcBytes);
    for (std::size_t n = 0; n + 1 < reply.data.size(); n += 2) {
      reply.registers.push_back(Word(reply.data[n], reply.data[n + 1]));
    }
  }
  reply.status = ReplyStatus::Complete;
  reply.length = length;
  return reply;
}

std::string ExceptionCodeText(std::uint8_t code) {
  switch (code) {
    case 0x01:
      return "illegal function";
    case 0x02:
      return "illegal data address";
    case 0x03:
      return "illegal data value";
    case 0x04:
      return "server device failure";
    case 0x05:
      return "acknowledge";
    case 0x06:
      return "server device busy";
    case 0x08:
      return "memory parity error";
    case 0x0A:
      return "gateway path unavailable";
    case 0x0B:
      return "gateway target device failed to respond";
    default:
      return "exception code " + Hex2(code);
  }
}

}  // namespace corvane
