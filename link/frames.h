#pragma once
// Requests written as hexadecimal text (CommandFrame), turned into Modbus RTU frames
// with the CRC-16 appended low byte first, and sent on a port in one block.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "link/serial_port.h"

namespace corvane {

// A CommandFrame that cannot become a sound frame on the wire (odd number of
// digits, empty, or too long for the frame buffer). Nothing has been sent.
class FrameError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// One byte from two digit characters. Digits below ':' count from '0', anything
// else from 'A' - 10, modulo 256, so 0-9 and A-F are exact; other characters are
// converted by the same rule and never rejected ("1a" gives 3A, "a1" gives A1).
std::uint8_t HexPairToByte(char high, char low);

// Writes text.size() / 2 bytes from the start of bytes and leaves the rest of
// the array as it was; a final unpaired digit is ignored.
void StrTo8bitInt(std::string_view text, std::uint8_t* bytes);

// Modbus RTU CRC-16 (reflected polynomial A001, start FFFF) over count bytes,
// returned with its two bytes exchanged: the upper half holds the CRC's low
// byte, so the value written as four hex digits is the wire order.
std::uint16_t Crc16(const std::uint8_t* bytes, std::uint8_t count);

// value in the given radix (2..36) with uppercase digits. Negative values down
// to -65536 are written as their 16-bit two's-complement form. width 0 gives the
// digits without leading zeros; width n gives exactly the n lowest digits,
// zero-padded on the left. Throws std::invalid_argument for a radix outside
// 2..36, a negative width or a value below -65536.
std::string IntToRadixText(std::int32_t value, int radix, int width);

// A CommandFrame with its CRC: the text as it is logged and the bytes as they
// go on the wire.
struct CompletedFrame {
  std::string text;                 // the CommandFrame followed by the CRC, low byte first
  std::vector<std::uint8_t> bytes;  // text converted digit pair by digit pair
};

// The frame buffer of a sender holds 20 bytes and ends with a zero byte, so a
// completed frame is at most 19 bytes: a CommandFrame of at most 34 digits.
inline constexpr std::size_t kMaxCommandFrameDigits = 34;

// Appends the CRC-16 to commandFrame. Throws FrameError for an empty frame, an
// odd number of digits (the last digit would pair with the CRC) or more than
// kMaxCommandFrameDigits digits.
CompletedFrame CompleteFrame(std::string_view commandFrame);

// Completes commandFrame and writes it to the port in one block. Throws
// FrameError before anything is written, and passes the port's PortError on.
void SendCommandFrame(SerialPort& port, std::string_view commandFrame);

}  // namespace corvane
