#include "link/qt/qt_scheduler.h"

#include <chrono>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QtCore/qtestsupport_core.h>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "link/serial_port.h"

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

// A data handler whose write fails, say: the exception must neither escape into
// the event loop nor stall the tasks after it.
TEST(QtSchedulerTest, ATaskThatThrowsIsReportedAndTheOthersStillRun) {
  QtScheduler scheduler;
  std::vector<std::string> reported;
  scheduler.SetOnTaskError([&](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      reported.push_back(e.what());
    } catch (...) {
      reported.push_back("not a std::exception");
    }
  });
  std::vector<std::string> ran;
  scheduler.Post(0us, [&] { throw PortError("Cannot write to port 1: Input/output error"); });
  scheduler.Post(0us, [&] { ran.push_back("due with it"); });
  scheduler.Post(0us, [] { throw 42; });
  scheduler.Post(3ms, [&] { ran.push_back("later"); });

  ASSERT_TRUE(QTest::qWaitFor([&] { return ran.size() == 2; }, 5000));
  EXPECT_EQ(ran, (std::vector<std::string>{"due with it", "later"}));
  EXPECT_EQ(reported, (std::vector<std::string>{"Cannot write to port 1: Input/output error",
                                                "not a std::exception"}));
  EXPECT_EQ(scheduler.Pending(), 0u);
}

// Without a handler the error goes to the log rather than nowhere.
TEST(QtSchedulerTest, ATaskErrorIsLoggedWhenNobodyTakesIt) {
  static std::vector<std::string> logged;
  logged.clear();
  struct CaptureCriticalMessages {
    CaptureCriticalMessages()
        : previous(qInstallMessageHandler(
              [](QtMsgType type, const QMessageLogContext&, const QString& text) {
                if (type == QtCriticalMsg) logged.push_back(text.toStdString());
              })) {}
    ~CaptureCriticalMessages() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
  } capture;
  QtScheduler scheduler;
  bool ranAfter = false;
  scheduler.Post(0us, [] { throw std::runtime_error("handler failed"); });
  scheduler.Post(0us, [&] { ranAfter = true; });

  EXPECT_TRUE(QTest::qWaitFor([&] { return ranAfter; }, 5000));
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find("handler failed"), std::string::npos) << logged[0];
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
