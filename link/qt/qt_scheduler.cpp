#include "link/qt/qt_scheduler.h"

#include <algorithm>
#include <utility>

namespace corvane {

QtScheduler::QtScheduler() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { RunDue(); });
}

QtScheduler::~QtScheduler() = default;

void QtScheduler::Post(std::chrono::microseconds delay, std::function<void()> task) {
  if (delay.count() < 0) delay = {};
  const auto wholeMs = std::chrono::ceil<std::chrono::milliseconds>(delay);
  tasks_.emplace(Key{Clock::now() + wholeMs, nextSeq_++}, std::move(task));
  Arm();
}

void QtScheduler::RunDue() {
  // Tasks posted by a running task get a later sequence number, so they run
  // after everything that was already due with them.
  while (!tasks_.empty() && tasks_.begin()->first.due <= Clock::now()) {
    auto node = tasks_.extract(tasks_.begin());
    node.mapped()();
  }
  Arm();
}

void QtScheduler::Arm() {
  if (tasks_.empty()) {
    timer_.stop();
    return;
  }
  const auto wait = tasks_.begin()->first.due - Clock::now();
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait);
  timer_.start(static_cast<int>(std::max<std::chrono::milliseconds::rep>(ms.count(), 0)));
}

}  // namespace corvane
