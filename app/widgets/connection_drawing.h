#pragma once
// The picture of how the drive is cabled to the PC (drive jack, RS-485
// converter, serial/USB port). It is a JPEG built into the program and decoded
// when shown; if that fails, a framed panel says so and why.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

namespace corvane {

// The drawing's JPEG bytes as built into the program (empty if missing).
QByteArray ConnectionDrawingJpeg();

class ConnectionDrawing : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 355;
  static constexpr int kHeight = 217;

  // Shows the built-in drawing.
  explicit ConnectionDrawing(QWidget* parent = nullptr);
  // Shows the given JPEG bytes instead.
  explicit ConnectionDrawing(const QByteArray& jpeg, QWidget* parent = nullptr);

  bool hasPicture() const { return !picture_.isNull(); }
  QImage picture() const { return picture_; }
  // Why the drawing is not shown; empty when it is.
  QString errorText() const { return error_; }

  QSize sizeHint() const override { return {kWidth, kHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Load(const QByteArray& jpeg);

  QImage picture_;
  QString error_;
};

}  // namespace corvane
