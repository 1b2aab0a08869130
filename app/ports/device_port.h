#pragma once
// The serial port the program's windows own: what it opens is decided by its port
// text when it opens. "virtual" or "virtual:PROFILE" is the built-in virtual
// drive; anything else is a real port.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "acquire/drive_family.h"
#include "link/scheduler.h"
#include "link/serial_port.h"

namespace corvane {

namespace sim {
class DriveModel;
}

// The virtual drives of this run, one per profile, shared by every port that
// opens it, so what one window writes into a drive's EEPROM another reads back.
class VirtualDrives {
 public:
  // defaultProfile names the profile a plain "virtual" port uses (it follows
  // the chosen drive family).
  explicit VirtualDrives(std::function<std::string()> defaultProfile);
  ~VirtualDrives();

  // profile: a built-in name or a profile file's path; empty for the default.
  // Throws PortError when the profile cannot be loaded.
  std::shared_ptr<sim::DriveModel> Drive(const std::string& profile);

 private:
  std::function<std::string()> defaultProfile_;
  std::map<std::string, std::shared_ptr<sim::DriveModel>> drives_;
};

class DevicePort : public SerialPort {
 public:
  DevicePort(Scheduler& scheduler, VirtualDrives& drives);
  ~DevicePort() override;

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  void SetBaud(int baud) override;
  int Baud() const override { return baud_; }
  // A port open under another text is closed first.
  void Open() override;
  void Close() override;
  bool IsOpen() const override;
  void PutBlock(const std::uint8_t* data, std::size_t count) override;
  using SerialPort::PutBlock;
  std::vector<std::uint8_t> TakeReceived() override;

 private:
  std::unique_ptr<SerialPort> MakeBackend(const std::string& name);

  Scheduler& scheduler_;
  VirtualDrives& drives_;
  std::string name_ = "1";
  int baud_ = 19200;
  std::unique_ptr<SerialPort> backend_;
  std::string backendName_;
};

// The profile a plain "virtual" port uses for a drive family: the maker's own
// drives get series W.
std::string DefaultVirtualProfile(DriveFamily family);

}  // namespace corvane
