#pragma once
// Scheduler on the Qt event loop of the thread that creates it: one precise
// single-shot timer armed for the earliest task.

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <utility>

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

  // Tasks are expected to deal with their own errors. One that throws anyway is
  // caught here, at the edge of the event loop (an exception must never unwind
  // through Qt), and handed to this handler; the tasks after it still run, on
  // the timer's next pass. Without a handler the error is logged with qCritical.
  // The handler must not throw.
  using TaskErrorHandler = std::function<void(std::exception_ptr error)>;
  void SetOnTaskError(TaskErrorHandler handler) { onTaskError_ = std::move(handler); }

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

  void OnTimeout();
  // Runs the tasks that are due; re-arms the timer however it ends, also when a
  // task throws (the exception then leaves with the rest still queued).
  void RunDue();
  void Arm();

  QTimer timer_;
  std::map<Key, std::function<void()>> tasks_;
  std::uint64_t nextSeq_ = 0;
  TaskErrorHandler onTaskError_;
};

}  // namespace corvane
