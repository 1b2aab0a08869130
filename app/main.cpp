// Corvane: builds the EDS of an AC motor drive read over a serial line.
#include <QCommandLineParser>

#include "app/application_windows.h"
#include "app/error_reporting_application.h"
#include "link/qt/qt_scheduler.h"

int main(int argc, char** argv) {
  corvane::ErrorReportingApplication app(argc, argv);
  QApplication::setApplicationName("Corvane");

  QCommandLineParser options;
  options.setApplicationDescription(
      "Builds the Electronic Data Sheet of an AC motor drive read over a serial line.");
  options.addHelpOption();
  const QCommandLineOption port(
      "port", "Port to offer first in Communication Setup: a number, a device path or "
              "\"virtual\" for the built-in virtual drive.",
      "text");
  options.addOption(port);
  options.process(app);

  corvane::QtScheduler scheduler;
  corvane::ApplicationWindows windows(scheduler);
  if (options.isSet(port)) windows.ChoosePort(options.value(port));
  windows.Show();
  return app.exec();
}
