#pragma once
// An indicator lamp with a caption to its right. The lamp can be lit (checked)
// or dark, may blink while lit, and may act as a plain indicator whose clicks
// are only reported, so the owner decides what a click means.

#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace corvane {

class LampLed : public QWidget {
  Q_OBJECT

 public:
  // Toggle: a click flips the lamp. Indicator: a click only emits clicked().
  enum class Mode { Toggle, Indicator };

  explicit LampLed(const QString& caption = {}, QWidget* parent = nullptr);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }

  void setChecked(bool checked);
  bool isChecked() const { return checked_; }

  void setLampColor(const QColor& color);
  QColor lampColor() const { return lampColor_; }

  // Diameter of the lamp and the gap between lamp and caption, in pixels.
  void setLampSize(int pixels);
  int lampSize() const { return lampSize_; }
  void setSpacing(int pixels);
  int spacing() const { return spacing_; }

  void setMode(Mode mode) { mode_ = mode; }
  Mode mode() const { return mode_; }

  void setHandCursor(bool on);

  // Blinking of the lit lamp, in on/off cycles per second. A dark lamp never
  // blinks. The blink phase is kept apart from the checked state.
  void setFlashing(bool on);
  bool isFlashing() const { return flashing_; }
  void setFlashRate(double hertz);
  double flashRate() const { return flashRate_; }
  bool isBlinking() const { return flashing_ && checked_; }

  // Whether the lamp is drawn lit at this moment (checked, and in the bright
  // half of a blink).
  bool isLampShown() const { return checked_ && (!flashing_ || blinkBright_); }

  // One half-period of the blink; the blink timer calls this, tests may too.
  void FlashTick();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void clicked();
  void toggled(bool checked);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Click();
  void UpdateBlinkTimer();

  QString caption_;
  QColor lampColor_{Qt::green};
  int lampSize_ = 13;
  int spacing_ = 6;
  Mode mode_ = Mode::Toggle;
  bool checked_ = false;
  bool flashing_ = false;
  double flashRate_ = 2.0;
  bool blinkBright_ = true;
  bool pressed_ = false;
  QTimer blinkTimer_;
};

}  // namespace corvane
