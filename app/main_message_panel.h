#pragma once
// The message panel under the pages: a shadowed "Message" heading over the
// program's log, MessageMemo. The program only ever appends lines to the log.

#include <QFrame>

class QLabel;
class QPlainTextEdit;

namespace corvane {

class MessagePanel : public QFrame {
  Q_OBJECT

 public:
  explicit MessagePanel(QWidget* parent = nullptr);

  QPlainTextEdit* MessageMemo = nullptr;
  QLabel* Heading = nullptr;        // navy
  QLabel* HeadingShadow = nullptr;  // light, one pixel right of and below the heading

  void AddLine(const QString& line);

 signals:
  void resized();

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace corvane
