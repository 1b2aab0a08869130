#pragma once
// A flat button with no face of its own: a glyph with its caption below, over
// whatever lies behind it. Hovering outlines it; pressing nudges it down.

#include <QAbstractButton>
#include <QPixmap>

namespace corvane {

class GlyphButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit GlyphButton(const QString& caption, const QPixmap& glyph = {},
                       QWidget* parent = nullptr);

  void setGlyph(const QPixmap& glyph);
  QPixmap glyph() const { return glyph_; }

  void setHandCursor(bool on);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap glyph_;
  bool hovered_ = false;
};

}  // namespace corvane
