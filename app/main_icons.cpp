#include "app/main_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace corvane {

namespace {

const QColor Ink(40, 48, 64);
const QColor Paper(252, 252, 248);
const QColor Folder(232, 186, 72);
const QColor FolderDark(176, 128, 32);
const QColor Accent(38, 110, 190);

// A sheet with a folded corner and a few text lines.
void DrawPage(QPainter& p, const QRectF& r) {
  QPainterPath page;
  page.moveTo(r.left(), r.top());
  page.lineTo(r.right() - 3, r.top());
  page.lineTo(r.right(), r.top() + 3);
  page.lineTo(r.right(), r.bottom());
  page.lineTo(r.left(), r.bottom());
  page.closeSubpath();
  p.setPen(QPen(Ink, 1));
  p.setBrush(Paper);
  p.drawPath(page);
  p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
  p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
  p.setPen(QPen(QColor(150, 160, 180), 1));
  for (qreal y = r.top() + 5; y < r.bottom() - 1; y += 2) {
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
  }
}

void DrawCut(QPainter& p) {
  p.setPen(QPen(Ink, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
  p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
  p.setPen(QPen(QColor(110, 120, 135), 1.4));
  p.drawLine(QPointF(6, 10.5), QPointF(11, 1.5));
  p.drawLine(QPointF(10, 10.5), QPointF(5, 1.5));
}

void DrawCopy(QPainter& p) {
  DrawPage(p, QRectF(1.5, 1.5, 9, 11));
  DrawPage(p, QRectF(5.5, 3.5, 9, 11));
}

void DrawPaste(QPainter& p) {
  p.setPen(QPen(QColor(110, 70, 30), 1));
  p.setBrush(QColor(196, 140, 80));
  p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
  p.setBrush(QColor(200, 200, 205));
  p.drawRect(QRectF(4.5, 1.5, 4, 2.5));
  DrawPage(p, QRectF(6.5, 6.5, 8, 8.5));
}

void DrawNew(QPainter& p) {
  DrawPage(p, QRectF(2.5, 1.5, 10, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 200, 40));
  p.drawEllipse(QPointF(12.5, 3.5), 2.5, 2.5);
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(FolderDark, 1));
  p.setBrush(Folder.darker(110));
  p.drawRect(QRectF(1.5, 3.5, 12, 10));
  p.drawRect(QRectF(1.5, 2.5, 5, 2));
  QPainterPath flap;
  flap.moveTo(3.5, 6.5);
  flap.lineTo(15.5, 6.5);
  flap.lineTo(13.5, 13.5);
  flap.lineTo(1.5, 13.5);
  flap.closeSubpath();
  p.setBrush(Folder);
  p.drawPath(flap);
}

void DrawSave(QPainter& p) {
  p.setPen(QPen(Ink, 1));
  p.setBrush(Accent);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
  p.setBrush(Paper);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(210, 214, 222));
  p.drawRect(QRectF(4.5, 9.5, 7, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawRect(QRectF(9, 2.5, 1.5, 3));
}

// The data sheet itself: a page with a connector strip along its left edge.
void DrawSheet(QPainter& p) {
  DrawPage(p, QRectF(3.5, 1.5, 11, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(Accent);
  p.drawRect(QRectF(1, 3, 3, 10));
  p.setBrush(QColor(255, 210, 60));
  for (int y = 4; y <= 11; y += 3) p.drawRect(QRectF(1.5, y, 2, 1.5));
}

QPixmap Paint(int image, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 16.0, size / 16.0);
  switch (image) {
    case MainImage::Cut:
      DrawCut(p);
      break;
    case MainImage::Copy:
      DrawCopy(p);
      break;
    case MainImage::Paste:
      DrawPaste(p);
      break;
    case MainImage::New:
      DrawNew(p);
      break;
    case MainImage::Open:
      DrawOpen(p);
      break;
    case MainImage::Save:
      DrawSave(p);
      break;
    case MainImage::Sheet:
      DrawSheet(p);
      break;
    default:
      return {};
  }
  return pixmap;
}

}  // namespace

QIcon MainIcon(int image) {
  QIcon icon;
  for (int size : {16, 32}) {
    const QPixmap pixmap = Paint(image, size);
    if (pixmap.isNull()) return {};
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon MainIcon(int normal, int selected) {
  QIcon icon = MainIcon(normal);
  for (int size : {16, 32}) icon.addPixmap(Paint(selected, size), QIcon::Selected);
  return icon;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(Paint(MainImage::Sheet, size));
  return icon;
}

}  // namespace corvane
