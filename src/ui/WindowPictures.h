#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace vantorel {

// Pictures of the map and property windows, in the program's drawn style.

// Shown in the level properties bar while no level is loaded (32 x 32).
QPixmap NoLevelPicture();
// The tabs of the level sheet, 0 to 4 (16 x 15).
QIcon LevelTabIcon(int tab);
// A flight group flown by a player, and a message with a sound (16 x 15).
QIcon PlayerIcon();
QIcon WaveIcon();
// The map's cursor in 3D, where dragging turns the view.
QCursor RotateCursor();

}  // namespace vantorel
