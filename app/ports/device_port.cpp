#include "app/ports/device_port.h"

#include "link/qt/qt_serial_port.h"
#include "sim/builtin_profiles.h"
#include "sim/drive_model.h"
#include "sim/port_text.h"
#include "sim/profile_loader.h"
#include "sim/virtual_serial_port.h"

namespace corvane {

VirtualDrives::VirtualDrives(std::function<std::string()> defaultProfile)
    : defaultProfile_(std::move(defaultProfile)) {}

VirtualDrives::~VirtualDrives() = default;

std::shared_ptr<sim::DriveModel> VirtualDrives::Drive(const std::string& profile) {
  const std::string name = profile.empty() ? defaultProfile_() : profile;
  auto& drive = drives_[name];
  if (!drive) {
    try {
      drive = std::make_shared<sim::DriveModel>(sim::LoadProfile(name));
    } catch (const std::exception& error) {
      drives_.erase(name);
      throw PortError("Cannot open the virtual drive \"" + name + "\": " + error.what());
    }
  }
  return drive;
}

std::string DefaultVirtualProfile(DriveFamily family) {
  switch (family) {
    case DriveFamily::OrsolanQrt410:
      return "qrt410";
    case DriveFamily::OrsolanHlw620:
      return "hlw620";
    case DriveFamily::LumetPx:
      return "px";
    case DriveFamily::VelkoQdr:
      break;
  }
  return sim::kDefaultProfileName;
}

DevicePort::DevicePort(Scheduler& scheduler, VirtualDrives& drives)
    : scheduler_(scheduler), drives_(drives) {}

DevicePort::~DevicePort() {
  if (backend_) {  // no notifications into an owner that is going away
    backend_->SetOnTriggerAvail({});
    backend_->SetOnPortClose({});
  }
}

void DevicePort::SetBaud(int baud) {
  baud_ = baud;
  if (backend_) backend_->SetBaud(baud);
}

std::unique_ptr<SerialPort> DevicePort::MakeBackend(const std::string& name) {
  std::unique_ptr<SerialPort> port;
  if (const auto profile = sim::ParseVirtualPortText(name)) {
    port = std::make_unique<sim::VirtualSerialPort>(scheduler_, drives_.Drive(*profile));
  } else {
    port = std::make_unique<QtSerialPort>();
  }
  port->SetPortName(name);
  port->SetOnTriggerAvail([this](std::size_t count) { NotifyTriggerAvail(count); });
  port->SetOnPortClose([this] { NotifyPortClose(); });
  return port;
}

void DevicePort::Open() {
  if (backend_ && backendName_ != name_) {
    // The port text changed since the last open: let go of the old device first.
    backend_->SetOnTriggerAvail({});
    backend_->SetOnPortClose({});
    backend_->Close();
    backend_.reset();
  }
  if (!backend_) {
    backend_ = MakeBackend(name_);
    backendName_ = name_;
  }
  backend_->SetBaud(baud_);
  backend_->Open();
}

void DevicePort::Close() {
  if (backend_) backend_->Close();
}

bool DevicePort::IsOpen() const { return backend_ && backend_->IsOpen(); }

void DevicePort::PutBlock(const std::uint8_t* data, std::size_t count) {
  if (!IsOpen()) throw PortError("Port " + name_ + " is not open");
  backend_->PutBlock(data, count);
}

std::vector<std::uint8_t> DevicePort::TakeReceived() {
  return backend_ ? backend_->TakeReceived() : std::vector<std::uint8_t>{};
}

}  // namespace corvane
