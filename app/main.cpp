// Corvane: builds the EDS of an AC motor drive read over a serial line.
#include <QApplication>

#include "app/application_windows.h"
#include "link/qt/qt_scheduler.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvane");

  corvane::QtScheduler scheduler;
  corvane::ApplicationWindows windows(scheduler);
  windows.Show();
  return app.exec();
}
