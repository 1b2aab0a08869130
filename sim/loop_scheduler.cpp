#include "sim/loop_scheduler.h"

#include <utility>

namespace corvane::sim {

void LoopScheduler::Post(std::chrono::microseconds delay, std::function<void()> task) {
  const auto base = running_ ? *running_ : Clock::now();
  tasks_.emplace(Key{base + delay, next_++}, std::move(task));
}

std::optional<LoopScheduler::Clock::duration> LoopScheduler::RunDue() {
  while (!tasks_.empty()) {
    const auto now = Clock::now();
    if (tasks_.begin()->first.due > now) return tasks_.begin()->first.due - now;
    auto node = tasks_.extract(tasks_.begin());
    running_ = node.key().due;
    node.mapped()();
    running_.reset();
  }
  return std::nullopt;
}

}  // namespace corvane::sim
