#pragma once
// A header strip: a vertical gradient from the edge colour to the middle
// colour and back, mirrored about the middle line, with a raised label on it.

#include <QColor>
#include <QWidget>

#include "app/widgets/label_3d.h"

namespace corvane {

class GradientHeader : public QWidget {
  Q_OBJECT

 public:
  explicit GradientHeader(const QString& text = {}, QWidget* parent = nullptr);

  // edge: top and bottom rows; middle: the middle line.
  void setColors(const QColor& edge, const QColor& middle);
  QColor edgeColor() const { return edge_; }
  QColor middleColor() const { return middle_; }

  Label3D* label() const { return label_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QColor edge_{47, 96, 208};
  QColor middle_{132, 165, 240};
  Label3D* label_;
};

}  // namespace corvane
