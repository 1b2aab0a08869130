#pragma once
// One open serial device shared by every QtSerialPort handle open on it: opened
// by the first handle, closed by the last, received bytes routed to the handle
// holding the conversation. Internal to QtSerialPort.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QSerialPort>
#include <QString>

namespace corvane {

class QtSerialPort;

class SharedSerialDevice : public std::enable_shared_from_this<SharedSerialDevice> {
 public:
  // The device at location, shared with the handles of this thread already open
  // on the same file (symbolic links and /dev/ prefixes resolved).
  static std::shared_ptr<SharedSerialDevice> ForLocation(const QString& location);

  explicit SharedSerialDevice(const QString& location);
  ~SharedSerialDevice();
  SharedSerialDevice(const SharedSerialDevice&) = delete;
  SharedSerialDevice& operator=(const SharedSerialDevice&) = delete;

  // label names the port in messages, e.g. "port 3 (/dev/ttyS2)". Opens the
  // device if no handle has it open. Throws PortError.
  void Attach(QtSerialPort* handle, int baud, const std::string& label);
  // Closes the device when the last handle leaves.
  void Detach(QtSerialPort* handle);

  // Throws PortError.
  void Write(QtSerialPort* handle, int baud, const std::uint8_t* data, std::size_t count,
             const std::string& label);

  bool HoldsConversation(const QtSerialPort* handle) const;
  // Sets baud now if the device accepts it; a refusal shows at the next Write.
  void TryApplyBaud(int baud);

 private:
  struct Attachment {
    QtSerialPort* handle;
    std::uint64_t lastWrite;  // 0: no write since this handle opened
    std::uint64_t opened;
  };

  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  void Fail();
  QtSerialPort* ConversationHolder() const;
  void ApplyBaud(int baud, const std::string& label);
  // The latest failure's reason, cleared from the port.
  std::string TakeError();

  QSerialPort port_;
  std::vector<Attachment> handles_;
  std::uint64_t clock_ = 0;
  int appliedBaud_ = 0;
  // A failure reported by the device since the last write, thrown at the next one.
  std::string pendingError_;
  // Set when the device failed or vanished, until Fail closes it for every handle.
  // Kept apart from pendingError_, which a write in the meantime takes.
  bool failing_ = false;
  std::string lostReason_;
};

}  // namespace corvane
