#include "sim/virtual_serial_port.h"

#include <chrono>
#include <memory>
#include <utility>

#include "sim/fault.h"

namespace corvane::sim {

VirtualSerialPort::VirtualSerialPort(Scheduler& scheduler, std::shared_ptr<DriveModel> drive)
    : scheduler_(scheduler), line_(scheduler, std::move(drive)) {
  line_.SetOnReceive([this](const std::vector<std::uint8_t>& bytes) {
    received_.insert(received_.end(), bytes.begin(), bytes.end());
    NotifyTriggerAvail(bytes.size());
  });
  // Called from a line task, never inside a call on the port.
  line_.SetOnDisconnect([this] {
    if (!open_) return;
    open_ = false;
    received_.clear();
    NotifyPortClose();
  });
}

void VirtualSerialPort::Open() {
  if (open_) return;
  if (Drive()->Disconnected())
    throw PortError("Cannot open " + name_ + ": " + DisconnectText(Drive()->RequestCount()));
  open_ = true;
}

void VirtualSerialPort::Close() {
  if (!open_) return;
  open_ = false;
  line_.Reset();
  received_.clear();
  std::weak_ptr<bool> alive = alive_;
  scheduler_.Post(std::chrono::microseconds(0), [this, alive] {
    if (!alive.expired()) NotifyPortClose();
  });
}

void VirtualSerialPort::PutBlock(const std::uint8_t* data, std::size_t count) {
  if (Drive()->Disconnected()) {
    throw PortError("Cannot write to " + name_ + ": " + DisconnectText(Drive()->RequestCount()));
  }
  if (!open_) throw PortError("Cannot write to " + name_ + ": the port is not open");
  line_.Transmit(data, count);
}

std::vector<std::uint8_t> VirtualSerialPort::TakeReceived() {
  return std::exchange(received_, {});
}

}  // namespace corvane::sim
