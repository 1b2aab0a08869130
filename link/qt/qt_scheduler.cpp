#include "link/qt/qt_scheduler.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QtGlobal>

namespace corvane {

QtScheduler::QtScheduler() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
}

QtScheduler::~QtScheduler() = default;

void QtScheduler::Post(std::chrono::microseconds delay, std::function<void()> task) {
  if (delay.count() < 0) delay = {};
  const auto wholeMs = std::chrono::ceil<std::chrono::milliseconds>(delay);
  tasks_.emplace(Key{Clock::now() + wholeMs, nextSeq_++}, std::move(task));
  Arm();
}

void QtScheduler::OnTimeout() {
  try {
    RunDue();
  } catch (...) {
    if (onTaskError_) {
      onTaskError_(std::current_exception());
      return;
    }
    try {
      throw;
    } catch (const std::exception& error) {
      qCritical("A scheduled task failed: %s", error.what());
    } catch (...) {
      qCritical("A scheduled task failed with an exception of unknown type");
    }
  }
}

void QtScheduler::RunDue() {
  struct ReArm {
    QtScheduler& scheduler;
    ~ReArm() { scheduler.Arm(); }
  } reArm{*this};
  // Tasks posted by a running task get a later sequence number, so they run
  // after everything that was already due with them.
  while (!tasks_.empty() && tasks_.begin()->first.due <= Clock::now()) {
    auto node = tasks_.extract(tasks_.begin());
    node.mapped()();
  }
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
