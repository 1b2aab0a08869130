#include "link/qt/qt_serial_port.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include <QMetaObject>
#include <QString>

#include "link/qt/shared_serial_device.h"

namespace corvane {
namespace {

bool IsWholeNumber(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

QtSerialPort::QtSerialPort() : context_(std::make_unique<QObject>()) {}

QtSerialPort::~QtSerialPort() {
  if (device_) std::exchange(device_, nullptr)->Detach(this);
}

std::string QtSerialPort::DeviceForPortName(const std::string& name) {
  if (name.empty()) return {};
  if (IsWholeNumber(name)) {
    unsigned long number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || number == 0) return {};
#ifdef Q_OS_WIN
    return "COM" + std::to_string(number);
#else
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
  }
#ifdef Q_OS_WIN
  return name;
#else
  return name.front() == '/' ? name : "/dev/" + name;
#endif
}

std::string QtSerialPort::Label() const {
  if (name_.empty()) return "port";
  const std::string device = DeviceForPortName(name_);
  if (device.empty() || device == name_) return "port " + name_;
  return "port " + name_ + " (" + device + ")";
}

void QtSerialPort::SetBaud(int baud) {
  baud_ = baud;
  if (device_ && device_->HoldsConversation(this)) device_->TryApplyBaud(baud);
}

void QtSerialPort::Open() {
  if (device_) return;
  const std::string location = DeviceForPortName(name_);
  if (location.empty()) {
    const bool noneChosen = name_.find_first_not_of('0') == std::string::npos;
    throw PortError("Cannot open " + Label() + ": " +
                    (noneChosen ? "no port chosen" : "no such port number"));
  }
  auto device = SharedSerialDevice::ForLocation(QString::fromStdString(location));
  device->Attach(this, baud_, Label());
  device_ = std::move(device);
  received_.clear();
  failure_.clear();
}

void QtSerialPort::Close() {
  if (!device_) return;
  std::exchange(device_, nullptr)->Detach(this);
  EndReceiving();
  Post([this] { NotifyPortClose(); });
}

void QtSerialPort::PutBlock(const std::uint8_t* data, std::size_t count) {
  if (!device_) {
    throw PortError("Cannot write to " + Label() + ": " +
                    (failure_.empty() ? std::string("the port is not open")
                                      : "the port was closed after a failure (" + failure_ + ")"));
  }
  device_->Write(this, baud_, data, count, Label());
}

std::vector<std::uint8_t> QtSerialPort::TakeReceived() {
  std::vector<std::uint8_t> out;
  out.swap(received_);
  return out;
}

void QtSerialPort::Deliver(const char* data, std::size_t count) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
  received_.insert(received_.end(), bytes, bytes + count);
  Post([this, count, closes = closeCount_] {
    if (closes == closeCount_) NotifyTriggerAvail(count);
  });
}

void QtSerialPort::DeviceLost(const std::string& reason) {
  device_.reset();
  failure_ = reason;
  EndReceiving();
  Post([this] { NotifyPortClose(); });
}

void QtSerialPort::EndReceiving() {
  received_.clear();
  ++closeCount_;
}

void QtSerialPort::Post(std::function<void()> notification) {
  QMetaObject::invokeMethod(context_.get(), std::move(notification), Qt::QueuedConnection);
}

}  // namespace corvane
