#pragma once
// SerialPort over QSerialPort: 8 data bits, no parity, 2 stop bits, no flow control.
//
// Port text: a whole number n is the platform's n-th port, "COMn" on Windows and
// "/dev/ttyS<n-1>" elsewhere (so "1" is /dev/ttyS0); 0 means no port chosen and
// does not open. Any other text is a device name or path; a name without "/" is
// looked up under /dev/ on Unix ("ttyUSB0" is /dev/ttyUSB0).
//
// Several handles may be open on the same device at once (the main window keeps
// its port open while the dialogs open their own). They share one underlying
// QSerialPort, opened by the first Open and closed by the last Close. Each
// handle keeps its own baud rate and sets it on the device before each write
// when it differs. Received bytes go to the handle that wrote most recently (it
// holds the conversation; before any write, the handle opened last). All handles
// of a device must live on the thread that opened it.
//
// Notifications are posted to the owner's event loop, never raised inside a call
// on the handle. A handle closes by Close or because its device failed or
// vanished; either way that ends what it had received: bytes not yet taken are
// dropped, and data notifications still queued are never delivered, not even
// after a new Open. The port-closed notification follows later, exactly once for
// each close of an open handle, also when the handle was opened again meanwhile.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "link/serial_port.h"

namespace corvane {

class SharedSerialDevice;

class QtSerialPort : public SerialPort {
 public:
  QtSerialPort();
  // Closes the handle without a port-closed notification.
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }

  // While open, applied at once if this handle holds the conversation, otherwise
  // before its next write. A rate the device refuses fails that write.
  void SetBaud(int baud) override;
  int Baud() const override { return baud_; }

  // Throws PortError naming the port text, the device and the system's reason,
  // e.g. "Cannot open port 3 (/dev/ttyS2): No such file or directory". The
  // device's input is cleared when it is first opened.
  void Open() override;
  // Drops the received bytes not yet taken and the data notifications still
  // queued; the port-closed notification is posted, for this handle only.
  void Close() override;
  bool IsOpen() const override { return device_ != nullptr; }

  // Throws PortError when the handle is closed or the device refuses the write
  // (also for a failure that came up since the previous write).
  void PutBlock(const std::uint8_t* data, std::size_t count) override;
  using SerialPort::PutBlock;

  std::vector<std::uint8_t> TakeReceived() override;

  // The device a port text stands for on this platform, e.g. "3" -> "/dev/ttyS2";
  // empty for "0" or an empty text.
  static std::string DeviceForPortName(const std::string& name);

  // Why the device closed under this handle (it failed or vanished); empty
  // otherwise. Cleared by the next Open.
  const std::string& FailureReason() const { return failure_; }

 private:
  friend class SharedSerialDevice;

  // Called by the device on the owner's thread.
  void Deliver(const char* data, std::size_t count);
  void DeviceLost(const std::string& reason);

  void EndReceiving();
  std::string Label() const;
  void Post(std::function<void()> notification);

  std::string name_ = "1";
  int baud_ = 19200;
  std::shared_ptr<SharedSerialDevice> device_;  // set while open
  std::vector<std::uint8_t> received_;
  // Counts closes; a data notification of an earlier count is stale.
  std::uint64_t closeCount_ = 0;
  std::string failure_;
  // Context of queued notifications: they are dropped with the handle.
  std::unique_ptr<QObject> context_;
};

}  // namespace corvane
