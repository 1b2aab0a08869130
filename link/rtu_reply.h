#pragma once
// Pure codec for the replies to the program's requests: whether the bytes received
// so far hold a complete, valid answer to what was asked, and what it says.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/modbus_timing.h"

namespace corvane {

inline constexpr std::uint8_t kReadHoldingRegisters = 0x03;
inline constexpr std::uint8_t kWriteSingleRegister = 0x06;
// Set in the function byte of an exception reply.
inline constexpr std::uint8_t kExceptionFlag = 0x80;
// The most registers one read may ask for (the reply's byte count is one byte).
inline constexpr std::uint16_t kMaxReadRegisters = 125;

// What a reply must look like to answer one request.
struct ExpectedReply {
  std::uint8_t station = modbus_timing::kStation;
  std::uint8_t function = kReadHoldingRegisters;
  std::uint16_t registerCount = 0;  // function 03: registers asked for
  std::uint16_t address = 0;        // function 06: register written, echoed back
  std::uint16_t value = 0;          // function 06: value written, echoed back

  // Throw std::invalid_argument for a count outside 1..kMaxReadRegisters.
  static ExpectedReply ReadRegisters(std::uint16_t count,
                                     std::uint8_t station = modbus_timing::kStation);
  static ExpectedReply WriteRegister(std::uint16_t address, std::uint16_t value,
                                     std::uint8_t station = modbus_timing::kStation);
  // From a request's six bytes, with or without its two CRC bytes. Throws
  // std::invalid_argument for another length or a function other than 03 and 06.
  static ExpectedReply ForRequest(std::span<const std::uint8_t> request);
};

enum class ReplyStatus {
  NeedMore,  // a valid beginning; more bytes are due
  Complete,  // a whole, valid answer (an exception reply is one too)
  Invalid,   // cannot become a valid answer: see problem
};

struct RtuReply {
  ReplyStatus status = ReplyStatus::NeedMore;
  // Complete: bytes of the frame including its CRC; bytes after them are not part of it.
  std::size_t length = 0;
  // Complete exception reply (function | 0x80): the exception code.
  std::optional<std::uint8_t> exceptionCode;
  // Complete read reply: the register bytes as received, and the same as registers
  // (high byte first).
  std::vector<std::uint8_t> data;
  std::vector<std::uint16_t> registers;
  // Invalid: what is wrong, ready for a message.
  std::string problem;

  bool IsException() const { return exceptionCode.has_value(); }
};

// Judges received (oldest byte first) as the answer to expected. Wrong station,
// wrong function, a byte count that does not match the request, a write reply
// that does not echo the request, and a bad CRC are Invalid.
RtuReply DecodeReply(std::span<const std::uint8_t> received, const ExpectedReply& expected);

// Readable name of a Modbus exception code, e.g. 02 "illegal data address".
std::string ExceptionCodeText(std::uint8_t code);

}  // namespace corvane
