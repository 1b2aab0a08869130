#pragma once
// The serial line between one port and a virtual drive, with the timing a real
// line has: request bytes reach the drive after their wire time, the drive waits
// its turnaround, and the reply comes back in several chunks over its own wire
// time. A port at another baud rate than the drive's hears noise instead.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "link/scheduler.h"
#include "sim/drive_model.h"
#include "sim/request_framer.h"

namespace corvane::sim {

class DriveLine {
 public:
  using ReceiveHandler = std::function<void(const std::vector<std::uint8_t>& bytes)>;
  using DisconnectHandler = std::function<void()>;
  // Called for each frame the drive takes in, with what it answers.
  using ExchangeObserver =
      std::function<void(const std::vector<std::uint8_t>& request, const DriveReply& reply)>;

  DriveLine(Scheduler& scheduler, std::shared_ptr<DriveModel> drive);

  void SetPortBaud(int baud) { portBaud_ = baud; }
  int PortBaud() const { return portBaud_; }

  // Bytes the port sends. Nothing is delivered from inside this call.
  void Transmit(const std::uint8_t* data, std::size_t count);
  // Drops everything in flight (the port was closed).
  void Reset();

  void SetOnReceive(ReceiveHandler handler) { onReceive_ = std::move(handler); }
  void SetOnDisconnect(DisconnectHandler handler) { onDisconnect_ = std::move(handler); }
  void SetObserver(ExchangeObserver observer) { observer_ = std::move(observer); }

  const std::shared_ptr<DriveModel>& Drive() const { return drive_; }

 private:
  struct Job {
    std::vector<std::uint8_t> bytes;
    bool garbled = false;  // heard at the wrong baud rate
  };

  bool BaudMismatch() const;
  int ReplyBaud() const;
  void Post(std::chrono::microseconds delay, std::function<void()> task);
  void StartNextTransmit();
  void OnBlockHeard(const std::vector<std::uint8_t>& block);
  void ProcessNext();
  void SendReply(std::vector<std::uint8_t> bytes, int baud, bool disconnect);
  std::vector<std::uint8_t> Noise(const std::vector<std::uint8_t>& heard);

  Scheduler& scheduler_;
  std::shared_ptr<DriveModel> drive_;
  int portBaud_;
  ReceiveHandler onReceive_;
  DisconnectHandler onDisconnect_;
  ExchangeObserver observer_;

  // Tasks hold a weak reference; Reset() replaces it so their work is dropped.
  std::shared_ptr<int> epoch_ = std::make_shared<int>(0);
  std::deque<std::vector<std::uint8_t>> txQueue_;
  bool transmitting_ = false;
  RequestFramer framer_;
  unsigned silenceWatch_ = 0;
  std::deque<Job> driveQueue_;
  bool driveBusy_ = false;
  std::uint32_t noiseState_ = 0x2545F491u;
};

}  // namespace corvane::sim
