#pragma once
// Deferred work without a clock in the core: the shell posts onto its event loop,
// tests advance a manual clock.

#include <chrono>
#include <functional>

namespace corvane {

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Runs task once, no sooner than delay from now, on the owner's thread and
  // never from inside this call. Tasks due at the same time run in posting order.
  virtual void Post(std::chrono::microseconds delay, std::function<void()> task) = 0;
};

}  // namespace corvane
