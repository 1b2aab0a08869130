#pragma once
// A green push button with a small lamp beside its caption; the lamp shows lime
// while the button is active (e.g. while a command runs or a mode is on).

#include <QAbstractButton>
#include <QString>

namespace corvane {

class LampButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit LampButton(const QString& caption, QWidget* parent = nullptr);

  // The lamp state; independent of checked/pressed, set only by the owner.
  void setActive(bool active);
  bool isActive() const { return active_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void activeChanged(bool active);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool active_ = false;
  bool hovered_ = false;
};

}  // namespace corvane
