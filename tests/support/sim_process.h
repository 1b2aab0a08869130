#pragma once
// Runs the stand-alone virtual drive (corvane-drive-sim) for a test: starts it,
// reads the pseudo-terminal path it prints first, and ends it by its process id.
// It runs with --exit-with-parent, so a test process that crashes or is killed
// takes it along. The drive follows the thread that started it: start it on a
// thread that outlives it (the test's main thread).

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace corvane::testing {

class SimProcess {
 public:
  // Starts the program and waits (bounded) for the device path. Path() is empty
  // if that failed, and Error() says why.
  explicit SimProcess(const QStringList& arguments) {
    process_.setProgram(QStringLiteral(CORVANE_BIN_DIR "/corvane-drive-sim"));
    process_.setArguments(arguments + QStringList{QStringLiteral("--exit-with-parent")});
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    QElapsedTimer waited;
    waited.start();
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning &&
           waited.elapsed() < 10000) {
      process_.waitForReadyRead(100);
    }
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!path_.startsWith(QLatin1Char('/'))) {
      error_ =
          QStringLiteral("no device path (%1): %2")
              .arg(process_.errorString(), QString::fromLocal8Bit(process_.readAllStandardError()));
      path_.clear();
    }
  }

  ~SimProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }

  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  QString Path() const { return path_; }
  QString Error() const { return error_; }
  QProcess& Process() { return process_; }

 private:
  QProcess process_;
  QString path_;
  QString error_;
};

}  // namespace corvane::testing
