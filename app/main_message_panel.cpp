#include "app/main_message_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace corvane {

namespace {

constexpr int MemoLeft = 13;
constexpr int MemoTop = 20;
constexpr int HeadingLeft = 14;
constexpr int HeadingTop = 2;

QLabel* MakeHeading(QWidget* parent, const QColor& color, QPoint at) {
  auto* label = new QLabel("Message", parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  label->adjustSize();
  label->move(at);
  return label;
}

}  // namespace

MessagePanel::MessagePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("MessagePanel");
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  HeadingShadow = MakeHeading(this, QColor(236, 240, 248), {HeadingLeft + 1, HeadingTop + 1});
  Heading = MakeHeading(this, QColor(0, 0, 128), {HeadingLeft, HeadingTop});
  Heading->raise();

  MessageMemo = new QPlainTextEdit(this);
  MessageMemo->setObjectName("MessageMemo");
  MessageMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MessageMemo->move(MemoLeft, MemoTop);
}

void MessagePanel::AddLine(const QString& line) {
  MessageMemo->appendPlainText(line);
  MessageMemo->verticalScrollBar()->setValue(MessageMemo->verticalScrollBar()->maximum());
}

void MessagePanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  emit resized();
}

}  // namespace corvane
