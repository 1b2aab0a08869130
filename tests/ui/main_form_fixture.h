#pragma once
// A main window over a fake port, for the ui tests.

#include <QPlainTextEdit>

#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/main_message_panel.h"
#include "fake_serial_port.h"
#include "manual_scheduler.h"

QT_BEGIN_NAMESPACE
// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}
QT_END_NAMESPACE

namespace corvane::testing {

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    auto fake = std::make_unique<FakeSerialPort>(scheduler);
    port = fake.get();
    form = std::make_unique<TMainForm>(std::move(fake));
  }

  QString Log() const { return form->Messages().MessageMemo->toPlainText(); }

  ManualScheduler scheduler;
  FakeSerialPort* port = nullptr;
  std::unique_ptr<TMainForm> form;
};

}  // namespace corvane::testing
