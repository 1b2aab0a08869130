#include "app/error_reporting_application.h"

#include <QMessageBox>

#include <exception>

namespace corvane {

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    QMessageBox::critical(activeWindow(), applicationName(),
                          QString::fromLocal8Bit(error.what()));
  } catch (...) {
    QMessageBox::critical(activeWindow(), applicationName(),
                          QStringLiteral("An unexpected error occurred."));
  }
  return false;
}

}  // namespace corvane
