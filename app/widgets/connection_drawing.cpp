#include "app/widgets/connection_drawing.h"

#include <QFile>
#include <QPainter>
#include <QtGlobal>

#include <algorithm>

#include "app/widgets/jpeg_image.h"

// The resource lives in a static library; this reference keeps the linker
// from dropping it. Q_INIT_RESOURCE must be used outside any namespace.
static void InitWidgetResources() {
  Q_INIT_RESOURCE(widgets);
}

namespace corvane {

namespace {
const char* const kResourcePath = ":/corvane/connection_drawing.jpg";
}

QByteArray ConnectionDrawingJpeg() {
  InitWidgetResources();
  QFile file(QString::fromLatin1(kResourcePath));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

ConnectionDrawing::ConnectionDrawing(QWidget* parent) : QWidget(parent) {
  const QByteArray bytes = ConnectionDrawingJpeg();
  if (bytes.isEmpty()) {
    error_ = QStringLiteral("the picture is missing from the program's resources");
  } else {
    Load(bytes);
  }
  setFixedSize(kWidth, kHeight);
}

ConnectionDrawing::ConnectionDrawing(const QByteArray& jpeg, QWidget* parent) : QWidget(parent) {
  Load(jpeg);
  setFixedSize(kWidth, kHeight);
}

void ConnectionDrawing::Load(const QByteArray& jpeg) {
  JpegDecodeResult result = DecodeJpeg(jpeg);
  if (result.ok()) {
    picture_ = result.image;
    error_.clear();
    setToolTip(
        QStringLiteral("Drive jack (RJ11/RJ45) - RS-485 converter - serial or USB port of the PC"));
  } else {
    picture_ = QImage();
    error_ = result.error;
    setToolTip(QStringLiteral("The connection drawing could not be shown: %1").arg(error_));
  }
}

void ConnectionDrawing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (hasPicture()) {
    // Drawn at its own size; a picture of another size is scaled to fit.
    if (picture_.size() == size()) {
      p.drawImage(0, 0, picture_);
    } else {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      const QImage scaled = picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
      p.drawImage((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled);
    }
    return;
  }

  // Fallback: a sunken frame with the reason, so a broken picture is visible
  // as such rather than as an empty space.
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  p.setPen(pal.color(QPalette::Dark));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(pal.color(QPalette::Light));
  p.drawLine(1, height() - 2, width() - 2, height() - 2);
  p.drawLine(width() - 2, 1, width() - 2, height() - 2);

  QFont heading = font();
  heading.setBold(true);
  p.setFont(heading);
  p.setPen(pal.color(QPalette::Text));
  const QRect inner = rect().adjusted(16, 16, -16, -16);
  const QString title = QStringLiteral("The connection drawing could not be shown.");
  const QRect titleRect = p.boundingRect(inner, Qt::AlignHCenter | Qt::TextWordWrap, title);
  const QFont body = font();
  const QFontMetrics bodyMetrics(body);
  const QRect reasonBounds =
      bodyMetrics.boundingRect(inner, Qt::AlignHCenter | Qt::TextWordWrap, error_);
  const int total = titleRect.height() + 8 + reasonBounds.height();
  const int top = inner.top() + std::max(0, (inner.height() - total) / 2);
  p.drawText(QRect(inner.left(), top, inner.width(), titleRect.height()),
             Qt::AlignHCenter | Qt::TextWordWrap, title);
  p.setFont(body);
  p.setPen(pal.color(QPalette::Disabled, QPalette::Text).darker(130));
  p.drawText(QRect(inner.left(), top + titleRect.height() + 8, inner.width(),
                   inner.bottom() - top - titleRect.height() - 8),
             Qt::AlignHCenter | Qt::TextWordWrap, error_);
}

}  // namespace corvane
