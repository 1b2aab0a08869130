// GoogleTest entry for tests that need a QApplication (widgets, event loop).
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // ctest lists the tests by running the binary without the tests' environment;
  // without a display the application could not start. A platform set from
  // outside (xcb under xvfb-run) is kept.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
