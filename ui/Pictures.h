#pragma once
// The program's pictures, drawn rather than stored: the icon, the splash
// picture and the glyph of the print buttons.
#include <QIcon>
#include <QPixmap>

namespace virano {

inline constexpr int kSplashWidth = 341;
inline constexpr int kSplashHeight = 256;

// The program icon at `size` × `size` pixels: a room in perspective with a
// warm window and a control point in front of the back wall.
QPixmap ProgramIconPixmap(int size);
QIcon ProgramIcon();

// The splash picture, 341 × 256 pixels.
QPixmap SplashPicture();

// A small printer for the print buttons.
QIcon PrinterGlyph();

}  // namespace virano
