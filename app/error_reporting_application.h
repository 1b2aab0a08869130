#pragma once
// The program's QApplication: an error that escapes an event handler is shown
// to the user in a message box instead of ending the program, as the last line
// of defence behind the handlers' own error handling.

#include <QApplication>

namespace corvane {

class ErrorReportingApplication : public QApplication {
 public:
  ErrorReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace corvane
