#pragma once
// Glyphs drawn by the program itself, so no picture file is needed for them.

#include <QPixmap>

namespace corvane {

// A green tick on a round badge, 32 x 32, for OK buttons.
QPixmap OkGlyph();

}  // namespace corvane
