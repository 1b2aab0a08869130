#pragma once
// Captions are laid out for fixed widths; where the installed fonts run wider
// than the ones the layout was made for, the caption is set a little smaller
// rather than cut off.

#include <QFont>
#include <QString>

namespace corvane {

// `font`, or the largest smaller size of it (down to 70 %) in which `text`
// fits into `width` pixels. Returns the smallest tried if nothing fits.
QFont FontToFit(const QFont& font, const QString& text, int width);

}  // namespace corvane
