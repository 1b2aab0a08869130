#include "link/frames.h"

#include "link/modbus_timing.h"

namespace corvane {
namespace {

std::uint8_t DigitValue(char c) {
  const auto code = static_cast<std::uint8_t>(c);
  return static_cast<std::uint8_t>(code < 58 ? code - 48 : code - 55);
}

}  // namespace

std::uint8_t HexPairToByte(char high, char low) {
  return static_cast<std::uint8_t>(DigitValue(high) * 16 + DigitValue(low));
}

void StrTo8bitInt(std::string_view text, std::uint8_t* bytes) {
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes[i / 2] = HexPairToByte(text[i], text[i + 1]);
  }
}

std::uint16_t Crc16(const std::uint8_t* bytes, std::uint8_t count) {
  std::uint16_t crc = 0xFFFF;
  for (std::uint8_t n = 0; n < count; ++n) {
    crc ^= bytes[n];
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                      : static_cast<std::uint16_t>(crc >> 1);
    }
  }
  return static_cast<std::uint16_t>((crc >> 8) | ((crc & 0xFF) << 8));
}

std::string IntToRadixText(std::int32_t value, int radix, int width) {
  if (radix < 2 || radix > 36) {
    throw std::invalid_argument("IntToRadixText: radix " + std::to_string(radix) +
                                " is outside 2..36");
  }
  if (width < 0) {
    throw std::invalid_argument("IntToRadixText: negative width " + std::to_string(width));
  }
  if (value < -65536) {
    throw std::invalid_argument("IntToRadixText: " + std::to_string(value) +
                                " is below -65536 and has no 16-bit form");
  }
  // 64 bits: value + 65536 must not overflow for values near the 32-bit limits.
  std::int64_t rest = value < 0 ? std::int64_t{value} + 65536 : value;

  constexpr int kPositions = 32;
  std::string digits(kPositions, '0');
  int first = kPositions;  // index of the most significant digit written
  do {
    const auto digit = static_cast<int>(rest % radix);
    digits[--first] = static_cast<char>(digit <= 9 ? '0' + digit : digit + 55);
    rest /= radix;
  } while (rest != 0 && first > 0);

  if (rest != 0 || width >= kPositions) return digits;
  if (width == 0) return digits.substr(static_cast<std::size_t>(first));
  return digits.substr(static_cast<std::size_t>(kPositions - width));
}

CompletedFrame CompleteFrame(std::string_view commandFrame) {
  const std::string shown(commandFrame.substr(0, kMaxCommandFrameDigits + 6));
  if (commandFrame.empty()) throw FrameError("Command frame is empty");
  if (commandFrame.size() % 2 != 0) {
    throw FrameError("Command frame \"" + shown + "\" has an odd number of digits (" +
                     std::to_string(commandFrame.size()) + ")");
  }
  if (commandFrame.size() > kMaxCommandFrameDigits) {
    throw FrameError("Command frame \"" + shown +
                     (shown.size() < commandFrame.size() ? "..." : "") + "\" has " +
                     std::to_string(commandFrame.size()) + " digits; at most " +
                     std::to_string(kMaxCommandFrameDigits) + " fit the frame buffer");
  }
  static_assert(kMaxCommandFrameDigits / 2 + 3 == modbus_timing::kFrameBufferSize,
                "request bytes, two CRC bytes and the closing zero fill the frame buffer");

  std::uint8_t buffer[modbus_timing::kFrameBufferSize] = {};
  StrTo8bitInt(commandFrame, buffer);
  const auto requestBytes = static_cast<std::uint8_t>(commandFrame.size() / 2);
  const std::uint16_t crc = Crc16(buffer, requestBytes);

  CompletedFrame frame;
  frame.text.assign(commandFrame);
  frame.text += IntToRadixText(crc, 16, 4);
  StrTo8bitInt(frame.text, buffer);
  frame.bytes.assign(buffer, buffer + frame.text.size() / 2);
  return frame;
}

void SendCommandFrame(SerialPort& port, std::string_view commandFrame) {
  const CompletedFrame frame = CompleteFrame(commandFrame);
  port.PutBlock(frame.bytes);
}

}  // namespace corvane
