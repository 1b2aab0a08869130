#pragma once
// What the program uses of a serial port. Real ports, the in-process virtual drive
// and test fakes implement it; the logic that talks to a drive only sees this.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

// Opening or writing failed. The message names the port and the operating
// system's reason, ready to show to the user.
class PortError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Line format is fixed for every port of the program: 8 data bits, no parity,
// 2 stop bits. Notifications are delivered later on the owner's thread, never
// from inside a call to this interface.
class SerialPort {
 public:
  using TriggerAvailHandler = std::function<void(std::size_t count)>;
  using PortCloseHandler = std::function<void()>;

  virtual ~SerialPort() = default;

  // A whole number n is the platform's n-th port; "virtual" or "virtual:PROFILE"
  // is the built-in virtual drive; anything else is a device name or path.
  // A change while open takes effect at the next Open.
  virtual void SetPortName(const std::string& name) = 0;
  virtual std::string PortName() const = 0;

  // Applies at once, also while open.
  virtual void SetBaud(int baud) = 0;
  virtual int Baud() const = 0;

  // Throws PortError. Opening an open port leaves it open.
  virtual void Open() = 0;
  // Closing a closed port does nothing. Closing an open one drops what was
  // received but not taken (and data notifications still on their way) and
  // posts the port-closed notification.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Writes the block in one go. Throws PortError (also when the port is closed).
  virtual void PutBlock(const std::uint8_t* data, std::size_t count) = 0;
  void PutBlock(const std::vector<std::uint8_t>& bytes) { PutBlock(bytes.data(), bytes.size()); }

  // Takes every received byte out of the port's buffer, oldest first.
  virtual std::vector<std::uint8_t> TakeReceived() = 0;

  void SetOnTriggerAvail(TriggerAvailHandler handler) { onTriggerAvail_ = std::move(handler); }
  void SetOnPortClose(PortCloseHandler handler) { onPortClose_ = std::move(handler); }

 protected:
  void NotifyTriggerAvail(std::size_t count) {
    if (onTriggerAvail_) onTriggerAvail_(count);
  }
  void NotifyPortClose() {
    if (onPortClose_) onPortClose_();
  }

 private:
  TriggerAvailHandler onTriggerAvail_;
  PortCloseHandler onPortClose_;
};

}  // namespace corvane
