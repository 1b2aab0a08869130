#pragma once
// An in-process serial port wired to a virtual drive ("virtual" or
// "virtual:PROFILE" as the port text). It answers with the timing a real line
// would have at the port's baud rate; everything arrives through the scheduler.

#include <memory>
#include <string>
#include <vector>

#include "link/scheduler.h"
#include "link/serial_port.h"
#include "sim/drive_line.h"
#include "sim/drive_model.h"

namespace corvane::sim {

class VirtualSerialPort : public SerialPort {
 public:
  // Many ports may share one drive: its EEPROM and request count are common.
  VirtualSerialPort(Scheduler& scheduler, std::shared_ptr<DriveModel> drive);

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  void SetBaud(int baud) override { line_.SetPortBaud(baud); }
  int Baud() const override { return line_.PortBaud(); }

  void Open() override;
  // Cuts the line as closing a real port does: request bytes the drive has not
  // heard yet, replies still on the wire and the drive's queued requests are
  // dropped (a write the drive already took in stays done), and so are the
  // received bytes not yet taken. Data notifications come as the bytes arrive,
  // so none is left queued. The port-closed notification follows through the
  // scheduler, once for each close; a port destroyed before then says nothing.
  // When the drive drops the line (disconnect-after), the port closes the same
  // way, right after the last reply's data notification.
  void Close() override;
  bool IsOpen() const override { return open_; }
  void PutBlock(const std::uint8_t* data, std::size_t count) override;
  using SerialPort::PutBlock;
  std::vector<std::uint8_t> TakeReceived() override;

  const std::shared_ptr<DriveModel>& Drive() const { return line_.Drive(); }
  DriveLine& Line() { return line_; }

 private:
  Scheduler& scheduler_;
  DriveLine line_;
  // Tasks the port posts hold a weak reference: they are dropped with the port.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  std::string name_ = "virtual";
  bool open_ = false;
  std::vector<std::uint8_t> received_;
};

}  // namespace corvane::sim
