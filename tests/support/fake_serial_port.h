#pragma once
// A serial port for tests: records what is written and delivers what the test
// injects, through the scheduler (never inside the injecting call).

#include <memory>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "manual_scheduler.h"

namespace corvane::testing {

class FakeSerialPort : public SerialPort {
 public:
  explicit FakeSerialPort(ManualScheduler& scheduler) : scheduler_(scheduler) {}

  void SetPortName(const std::string& name) override { name_ = name; }
  std::string PortName() const override { return name_; }
  void SetBaud(int baud) override { baud_ = baud; }
  int Baud() const override { return baud_; }

  void Open() override {
    if (!openError.empty()) throw PortError(openError);
    if (!open_) ++openCount;
    open_ = true;
  }
  // Like a real port: what was received but not taken is dropped, and the
  // closed notification follows through the scheduler.
  void Close() override {
    if (!open_) return;
    open_ = false;
    received_.clear();
    std::weak_ptr<bool> alive = alive_;
    scheduler_.Post(std::chrono::microseconds(0), [this, alive] {
      if (!alive.expired()) NotifyPortClose();
    });
  }
  bool IsOpen() const override { return open_; }

  void PutBlock(const std::uint8_t* data, std::size_t count) override {
    if (!open_) throw PortError("Port " + name_ + " is not open");
    writes.emplace_back(data, data + count);
  }

  std::vector<std::uint8_t> TakeReceived() override {
    std::vector<std::uint8_t> out;
    out.swap(received_);
    return out;
  }

  // Bytes arrive from the line; the notification comes when the scheduler runs.
  void Inject(std::vector<std::uint8_t> bytes) {
    std::weak_ptr<bool> alive = alive_;
    scheduler_.Post(std::chrono::microseconds(0), [this, alive, bytes] {
      if (alive.expired() || !open_) return;  // a closed port hears nothing
      received_.insert(received_.end(), bytes.begin(), bytes.end());
      NotifyTriggerAvail(bytes.size());
    });
  }

  std::vector<std::vector<std::uint8_t>> writes;
  std::string openError;  // non-empty: Open throws this
  int openCount = 0;

 private:
  ManualScheduler& scheduler_;
  std::string name_ = "1";
  int baud_ = 19200;
  bool open_ = false;
  std::vector<std::uint8_t> received_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace corvane::testing
