#include "link/qt/qt_scheduler.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <QtCore/qtestsupport_core.h>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace std::chrono_literals;

TEST(QtSchedulerTest, RunsLaterInDueThenPostingOrder) {
  QtScheduler scheduler;
  std::vector<std::string> ran;
  scheduler.Post(2ms, [&] { ran.push_back("a"); });
  scheduler.Post(2ms, [&] { ran.push_back("b"); });
  scheduler.Post(0us, [&] {
    ran.push_back("c");
    // Posted while running: after everything posted before it with the same delay.
    scheduler.Post(2ms, [&] { ran.push_back("d"); });
  });
  scheduler.Post(2ms, [&] { ran.push_back("e"); });
  EXPECT_TRUE(ran.empty()) << "a task ran inside Post";

  EXPECT_TRUE(QTest::qWaitFor([&] { return ran.size() == 5; }, 5000));
  EXPECT_EQ(ran, (std::vector<std::string>{"c", "a", "b", "e", "d"}));
  EXPECT_EQ(scheduler.Pending(), 0u);
}

TEST(QtSchedulerTest, NeverSoonerThanTheDelayRoundedUpToWholeMilliseconds) {
  QtScheduler scheduler;
  QElapsedTimer clock;
  qint64 elapsedNs = -1;
  clock.start();
  scheduler.Post(1500us, [&] { elapsedNs = clock.nsecsElapsed(); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return elapsedNs >= 0; }, 5000));
  EXPECT_GE(elapsedNs, 2'000'000);
}

TEST(QtSchedulerTest, PendingTasksDieWithTheScheduler) {
  bool ran = false;
  auto scheduler = std::make_unique<QtScheduler>();
  scheduler->Post(0us, [&] { ran = true; });
  scheduler.reset();

  QtScheduler witness;
  bool witnessRan = false;
  witness.Post(5ms, [&] { witnessRan = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return witnessRan; }, 5000));
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace corvane
