#pragma once
// A transparent label whose text sits on a copy of itself in a highlight
// colour, a few pixels off, so it reads as raised lettering on any background.

#include <QColor>
#include <QString>
#include <QWidget>

namespace corvane {

class Label3D : public QWidget {
  Q_OBJECT

 public:
  explicit Label3D(const QString& text = {}, QWidget* parent = nullptr);

  void setText(const QString& text);
  QString text() const { return text_; }

  void setTextColor(const QColor& color);
  QColor textColor() const { return textColor_; }
  void setHighlightColor(const QColor& color);
  QColor highlightColor() const { return highlightColor_; }

  // Where the highlight copy sits relative to the text; (0, 0) draws it flat.
  void setHighlightOffset(const QPoint& offset);
  QPoint highlightOffset() const { return offset_; }

  void setAlignment(Qt::Alignment alignment);
  Qt::Alignment alignment() const { return alignment_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor textColor_{Qt::black};
  QColor highlightColor_{Qt::white};
  QPoint offset_{1, 1};
  Qt::Alignment alignment_ = Qt::AlignCenter;
};

}  // namespace corvane
