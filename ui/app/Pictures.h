#pragma once
// The program's pictures, drawn rather than stored: the icon, the splash
// picture and the glyph of the print buttons.
#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <array>

#include "app/PictureShapes.h"

namespace virano {

inline constexpr int kSplashWidth = 341;
inline constexpr int kSplashHeight = 256;

// The program icon's sizes in pixels: the window's, and those installed for
// the desktop's menu; the SVG file's side in user units.
inline constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr int kIconSvgSize = 256;

// The program icon at `size` × `size`: a room in perspective with a warm
// window and a control point in front of the back wall. The shapes are
// painted for the window and written as the desktop's SVG icon.
PictureShapes ProgramIconShapes(int size);
QPixmap ProgramIconPixmap(int size);
QByteArray ProgramIconSvg();
QIcon ProgramIcon();

// The splash picture, 341 × 256 pixels.
QPixmap SplashPicture();

// A small printer for the print buttons.
QIcon PrinterGlyph();

}  // namespace virano
