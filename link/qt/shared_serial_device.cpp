#include "link/qt/shared_serial_device.h"

#include <algorithm>
#include <map>
#include <utility>

#include <QFileInfo>
#include <QMetaObject>

#include "link/qt/qt_serial_port.h"
#include "link/serial_port.h"

namespace corvane {
namespace {

// QSerialPort objects belong to one thread, so sharing is per thread.
std::map<QString, std::weak_ptr<SharedSerialDevice>>& DevicesOfThisThread() {
  thread_local std::map<QString, std::weak_ptr<SharedSerialDevice>> devices;
  return devices;
}

// "/dev/pts/3", a symbolic link to it and "pts/3" are one device.
QString DeviceKey(const QString& location) {
  const QString canonical = QFileInfo(location).canonicalFilePath();
  return canonical.isEmpty() ? location : canonical;
}

}  // namespace

std::shared_ptr<SharedSerialDevice> SharedSerialDevice::ForLocation(const QString& location) {
  auto& devices = DevicesOfThisThread();
  std::erase_if(devices, [](const auto& entry) { return entry.second.expired(); });
  std::weak_ptr<SharedSerialDevice>& slot = devices[DeviceKey(location)];
  if (auto existing = slot.lock()) return existing;
  auto device = std::make_shared<SharedSerialDevice>(location);
  slot = device;
  return device;
}

SharedSerialDevice::SharedSerialDevice(const QString& location) {
  port_.setPortName(location);
  QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { OnReadyRead(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError error) { OnError(error); });
}

SharedSerialDevice::~SharedSerialDevice() {
  if (port_.isOpen()) port_.close();
}

void SharedSerialDevice::Attach(QtSerialPort* handle, int baud, const std::string& label) {
  if (!port_.isOpen()) {
    port_.setBaudRate(baud);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::TwoStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
      failing_ = false;
      throw PortError("Cannot open " + label + ": " + TakeError());
    }
    // Bytes left in the device from before belong to nobody's conversation.
    if (!port_.clear()) {
      const std::string reason = TakeError();
      port_.close();
      throw PortError("Cannot clear " + label + " after opening: " + reason);
    }
    appliedBaud_ = baud;
    pendingError_.clear();
    failing_ = false;
    lostReason_.clear();
  } else if (failing_) {
    throw PortError("Cannot open " + label + ": " + lostReason_);
  }
  handles_.push_back({handle, 0, ++clock_});
}

void SharedSerialDevice::Detach(QtSerialPort* handle) {
  std::erase_if(handles_, [handle](const Attachment& a) { return a.handle == handle; });
  if (handles_.empty() && port_.isOpen()) port_.close();
}

void SharedSerialDevice::Write(QtSerialPort* handle, int baud, const std::uint8_t* data,
                               std::size_t count, const std::string& label) {
  // Once the device is lost, every write until Fail says why, without touching it.
  if (failing_) throw PortError("Cannot write to " + label + ": " + lostReason_);
  if (!pendingError_.empty()) throw PortError("Cannot write to " + label + ": " + TakeError());
  ApplyBaud(baud, label);
  for (Attachment& a : handles_) {
    if (a.handle == handle) a.lastWrite = ++clock_;
  }
  const auto size = static_cast<qint64>(count);
  if (port_.write(reinterpret_cast<const char*>(data), size) != size) {
    throw PortError("Cannot write to " + label + ": " + TakeError());
  }
  // Hand the bytes to the system now rather than on the next event-loop pass;
  // a failure while doing so shows here.
  port_.flush();
  if (!pendingError_.empty()) throw PortError("Cannot write to " + label + ": " + TakeError());
}

bool SharedSerialDevice::HoldsConversation(const QtSerialPort* handle) const {
  return ConversationHolder() == handle;
}

void SharedSerialDevice::TryApplyBaud(int baud) {
  if (baud == appliedBaud_) return;
  if (port_.setBaudRate(baud)) {
    appliedBaud_ = baud;
  } else {
    TakeError();  // appliedBaud_ still differs, so the next Write tries again and reports it
  }
}

void SharedSerialDevice::ApplyBaud(int baud, const std::string& label) {
  if (baud == appliedBaud_) return;
  if (!port_.setBaudRate(baud)) {
    throw PortError("Cannot set " + std::to_string(baud) + " baud on " + label + ": " +
                    TakeError());
  }
  appliedBaud_ = baud;
}

void SharedSerialDevice::OnReadyRead() {
  const QByteArray bytes = port_.readAll();
  if (bytes.isEmpty()) return;
  if (QtSerialPort* holder = ConversationHolder()) {
    holder->Deliver(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
}

void SharedSerialDevice::OnError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError) return;
  const std::string reason = port_.errorString().toStdString();
  if (error == QSerialPort::ReadError) {
    pendingError_ = "reading failed (" + reason + ")";
  } else {
    pendingError_ = reason.empty() ? "unknown error" : reason;
  }
  // The device failed or vanished: close it for every handle, outside
  // QSerialPort's own signal. A device that cannot be read is as good as gone:
  // a hung-up terminal reports a read error on every pass of the event loop.
  const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
  if (lost && !failing_) {
    failing_ = true;
    lostReason_ = pendingError_;
    QMetaObject::invokeMethod(
        &port_,
        [weak = weak_from_this()] {
          if (auto self = weak.lock()) self->Fail();
        },
        Qt::QueuedConnection);
  }
}

void SharedSerialDevice::Fail() {
  if (!failing_) return;
  failing_ = false;
  const auto self = shared_from_this();  // the handles let go of it below
  const std::string reason = std::exchange(lostReason_, {});
  pendingError_.clear();
  const std::vector<Attachment> lost = std::move(handles_);
  handles_.clear();
  port_.close();
  port_.clearError();
  for (const Attachment& a : lost) a.handle->DeviceLost(reason);
}

QtSerialPort* SharedSerialDevice::ConversationHolder() const {
  const auto holder = std::max_element(
      handles_.begin(), handles_.end(), [](const Attachment& a, const Attachment& b) {
        return a.lastWrite != b.lastWrite ? a.lastWrite < b.lastWrite : a.opened < b.opened;
      });
  return holder == handles_.end() ? nullptr : holder->handle;
}

std::string SharedSerialDevice::TakeError() {
  std::string reason = pendingError_.empty() ? port_.errorString().toStdString() : pendingError_;
  pendingError_.clear();
  port_.clearError();
  pendingError_.clear();  // clearError reports NoError, which leaves it empty
  return reason.empty() ? "unknown error" : reason;
}

}  // namespace corvane
