#include "sim/drive_line.h"

#include <algorithm>

#include "sim/line_timing.h"
#include "sim/modbus_frames.h"
#include "sim/sim_crc.h"

namespace corvane::sim {
namespace {

// Receive chunks as a UART FIFO hands them over: never the whole reply at once.
std::size_t ChunkSize(std::size_t replyLength) {
  return std::clamp<std::size_t>((replyLength + 1) / 2, 1, 8);
}

}  // namespace

DriveLine::DriveLine(Scheduler& scheduler, std::shared_ptr<DriveModel> drive)
    : scheduler_(scheduler), drive_(std::move(drive)), portBaud_(kDefaultLineBaud) {}

bool DriveLine::BaudMismatch() const {
  const int lineBaud = drive_->Settings().lineBaud;
  return lineBaud != 0 && lineBaud != portBaud_;
}

int DriveLine::ReplyBaud() const {
  const int lineBaud = drive_->Settings().lineBaud;
  return lineBaud != 0 ? lineBaud : portBaud_;
}

void DriveLine::Post(std::chrono::microseconds delay, std::function<void()> task) {
  std::weak_ptr<int> epoch = epoch_;
  scheduler_.Post(delay, [epoch, task = std::move(task)] {
    if (!epoch.expired()) task();
  });
}

void DriveLine::Transmit(const std::uint8_t* data, std::size_t count) {
  if (count == 0) return;
  txQueue_.emplace_back(data, data + count);
  if (!transmitting_) StartNextTransmit();
}

void DriveLine::Reset() {
  epoch_ = std::make_shared<int>(0);
  txQueue_.clear();
  transmitting_ = false;
  framer_.Clear();
  driveQueue_.clear();
  driveBusy_ = false;
}

void DriveLine::StartNextTransmit() {
  if (txQueue_.empty()) return;
  auto block = std::move(txQueue_.front());
  txQueue_.pop_front();
  transmitting_ = true;
  ++silenceWatch_;  // bytes are on the line: no silence until they are through
  const auto duration = WireTime(block.size(), portBaud_);
  Post(duration, [this, block = std::move(block)] {
    transmitting_ = false;
    // The drive may drop the line on this block, and the owner may close or
    // even destroy the port from its closed handler.
    std::weak_ptr<int> alive = epoch_;
    OnBlockHeard(block);
    if (alive.expired()) return;
    StartNextTransmit();
  });
}

void DriveLine::OnBlockHeard(const std::vector<std::uint8_t>& block) {
  if (drive_->Disconnected()) return;
  if (BaudMismatch()) {
    framer_.Clear();
    driveQueue_.push_back({block, true});
  } else {
    for (auto& frame : framer_.Feed(block.data(), block.size())) {
      driveQueue_.push_back({std::move(frame), false});
    }
    if (framer_.HasPending()) {
      const unsigned watch = ++silenceWatch_;
      Post(FrameSilence(ReplyBaud()), [this, watch] {
        if (watch != silenceWatch_) return;
        if (auto frame = framer_.Flush()) driveQueue_.push_back({std::move(*frame), false});
        ProcessNext();
      });
    }
  }
  ProcessNext();
}

void DriveLine::ProcessNext() {
  while (!driveBusy_ && !driveQueue_.empty()) {
    Job job = std::move(driveQueue_.front());
    driveQueue_.pop_front();
    const auto turnaround = drive_->Settings().turnaround;
    if (job.garbled) {
      driveBusy_ = true;
      Post(turnaround, [this, noise = Noise(job.bytes)]() mutable {
        SendReply(std::move(noise), portBaud_, false);
      });
      return;
    }
    DriveReply reply = drive_->Handle(job.bytes);
    if (observer_) observer_(job.bytes, reply);
    if (!reply.bytes.empty()) {
      driveBusy_ = true;
      Post(turnaround + reply.extraDelay,
           [this, bytes = std::move(reply.bytes), disconnect = reply.disconnect]() mutable {
             SendReply(std::move(bytes), ReplyBaud(), disconnect);
           });
      return;
    }
    if (reply.disconnect) {
      Reset();
      if (onDisconnect_) onDisconnect_();
      return;
    }
  }
}

void DriveLine::SendReply(std::vector<std::uint8_t> bytes, int baud, bool disconnect) {
  const std::size_t chunk = ChunkSize(bytes.size());
  for (std::size_t start = 0; start < bytes.size(); start += chunk) {
    const std::size_t end = std::min(start + chunk, bytes.size());
    const bool last = end == bytes.size();
    Post(WireTime(end, baud),
         [this,
          piece = std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                            bytes.begin() + static_cast<std::ptrdiff_t>(end)),
          last, disconnect] {
           // The receiver may close or even destroy the port from its handler.
           std::weak_ptr<int> alive = epoch_;
           if (onReceive_) onReceive_(piece);
           if (alive.expired() || !last) return;
           driveBusy_ = false;
           if (disconnect) {
             Reset();
             if (onDisconnect_) onDisconnect_();
             return;
           }
           ProcessNext();
         });
  }
}

// What a port hears when the drive answers at another baud rate: bytes of no
// meaning, about as many as the reply's wire time holds at the port's rate.
std::vector<std::uint8_t> DriveLine::Noise(const std::vector<std::uint8_t>& heard) {
  const int lineBaud = drive_->Settings().lineBaud;
  const std::size_t replyLength = ExpectedReplyLength(heard);
  const std::size_t length = std::clamp<std::size_t>(
      replyLength * static_cast<std::size_t>(portBaud_) / static_cast<std::size_t>(lineBaud), 1,
      256);
  std::vector<std::uint8_t> noise(length);
  for (auto& byte : noise) {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    byte = static_cast<std::uint8_t>(noiseState_ >> 24);
  }
  if (CrcMatches(noise)) noise.back() ^= 0x55;
  return noise;
}

}  // namespace corvane::sim
