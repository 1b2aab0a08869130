#pragma once
// Starts the stand-alone virtual drive on a pseudo-terminal for a test and ends it
// by its process id when the test is done.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace corvane::testing {

class SimProcess {
 public:
  // Starts corvane-drive-sim with the arguments and waits (bounded) for the
  // device path it prints first. Path() is empty if that failed; Error() says why.
  explicit SimProcess(const QStringList& arguments) {
    process_.setProgram(QStringLiteral(CORVANE_BIN_DIR "/corvane-drive-sim"));
    process_.setArguments(arguments);
    process_.start();
    if (!process_.waitForStarted(10000)) {
      error_ = process_.errorString();
      return;
    }
    while (!process_.canReadLine()) {
      if (!process_.waitForReadyRead(10000)) {
        error_ = QStringLiteral("no device path: ") +
                 QString::fromLocal8Bit(process_.readAllStandardError());
        return;
      }
    }
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  }

  ~SimProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }

  QString Path() const { return path_; }
  QString Error() const { return error_; }

 private:
  QProcess process_;
  QString path_;
  QString error_;
};

}  // namespace corvane::testing
