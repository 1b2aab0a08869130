#pragma once
// Scheduler on the Qt event loop of the thread that creates it: one precise
// single-shot timer armed for the earliest task.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

#include <QTimer>

#include "link/scheduler.h"

namespace corvane {

class QtScheduler : public Scheduler {
 public:
  QtScheduler();
  ~QtScheduler() override;
  QtScheduler(const QtScheduler&) = delete;
  QtScheduler& operator=(const QtScheduler&) = delete;

  // The delay is rounded up to whole milliseconds. Tasks due at the same time run
  // in posting order; tasks still pending when the scheduler is destroyed never run.
  void Post(std::chrono::microseconds delay, std::function<void()> task) override;

  std::size_t Pending() const { return tasks_.size(); }

 private:
  using Clock = std::chrono::steady_clock;
  struct Key {
    Clock::time_point due;
    std::uint64_t seq;
    bool operator<(const Key& other) const {
      return due != other.due ? due < other.due : seq < other.seq;
    }
  };

  void RunDue();
  void Arm();

  QTimer timer_;
  std::map<Key, std::function<void()>> tasks_;
  std::uint64_t nextSeq_ = 0;
};

}  // namespace corvane
