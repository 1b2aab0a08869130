#pragma once
// A Scheduler on the steady clock for a single-threaded poll loop: the loop asks
// how long it may sleep and runs what is due.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "link/scheduler.h"

namespace corvane::sim {

class LoopScheduler : public Scheduler {
 public:
  using Clock = std::chrono::steady_clock;

  void Post(std::chrono::microseconds delay, std::function<void()> task) override;

  // Runs every task that is due, including those they post that are due too;
  // returns the time until the next task, or nullopt when none is waiting.
  std::optional<Clock::duration> RunDue();

 private:
  struct Key {
    Clock::time_point due;
    std::uint64_t seq;
    bool operator<(const Key& o) const { return due != o.due ? due < o.due : seq < o.seq; }
  };
  std::map<Key, std::function<void()>> tasks_;
  std::uint64_t next_ = 0;
  // While a task runs, delays count from its due time, so a task that starts a
  // little late does not push back everything it schedules.
  std::optional<Clock::time_point> running_;
};

}  // namespace corvane::sim
