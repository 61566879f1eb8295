// The editor's icon, drawn rather than stored: a level meter, an equaliser
// curve and a fader on the dark page colour, the three pictures the editor's
// pages are made of. Every size is drawn for itself, so the small ones keep
// whole-pixel edges and stay apart from a plain tile.
//
// The main routine sets AppIcon() as the application's window icon (every
// window takes it); packaging/IconTool.cpp writes the same pictures as the
// PNG files the desktop's icon theme installs.
#pragma once

#include <QIcon>
#include <QImage>

#include <array>

namespace appicon {

// The sizes the icon is drawn in, smallest first.
inline constexpr std::array<int, 6> kSizes{16, 32, 48, 64, 128, 256};

// The icon at size x size pixels, with a transparent surround. Needs no
// application object.
QImage Draw(int size);

}  // namespace appicon

// Every size of the icon in one QIcon (needs the GUI application).
QIcon AppIcon();
