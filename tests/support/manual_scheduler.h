#pragma once
// A Scheduler on a clock that only moves when the test says so.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "link/scheduler.h"

namespace corvane::testing {

class ManualScheduler : public Scheduler {
 public:
  void Post(std::chrono::microseconds delay, std::function<void()> task) override {
    tasks_.emplace(Key{now_ + delay, next_++}, std::move(task));
  }

  std::chrono::microseconds Now() const { return now_; }
  bool Idle() const { return tasks_.empty(); }
  std::size_t Pending() const { return tasks_.size(); }

  // Runs everything due by now + step (including what those tasks post), then
  // leaves the clock at now + step.
  void AdvanceBy(std::chrono::microseconds step) {
    const auto until = now_ + step;
    while (!tasks_.empty() && tasks_.begin()->first.due <= until) {
      auto node = tasks_.extract(tasks_.begin());
      now_ = node.key().due;
      node.mapped()();
    }
    now_ = until;
  }

  // Runs tasks in time order until none is left or the limit is passed.
  void RunUntilIdle(std::chrono::microseconds limit = std::chrono::seconds(60)) {
    const auto until = now_ + limit;
    while (!tasks_.empty() && tasks_.begin()->first.due <= until) {
      auto node = tasks_.extract(tasks_.begin());
      now_ = node.key().due;
      node.mapped()();
    }
  }

 private:
  struct Key {
    std::chrono::microseconds due;
    std::uint64_t seq;
    bool operator<(const Key& o) const { return due != o.due ? due < o.due : seq < o.seq; }
  };
  std::chrono::microseconds now_{0};
  std::uint64_t next_ = 0;
  std::map<Key, std::function<void()>> tasks_;
};

}  // namespace corvane::testing
