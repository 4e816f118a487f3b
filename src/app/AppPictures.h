#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace vantorel {

// The program's pictures, drawn at start-up rather than shipped as bitmaps so
// they stay sharp at any screen scale and share one style: a dark outline,
// one accent colour per kind of thing, green for add and red for delete.

// The toolbar and menu picture of a command (16 x 15); null for none.
QIcon CommandIcon(int id);
// The window icon.
QIcon AppIcon();
// The program picture of the splash window and the About box.
QPixmap ProgramPicture();
// Shown in the level properties bar while no level is loaded (32 x 32).
QPixmap NoLevelPicture();
// The tabs of the level sheet, 0 to 4 (16 x 15).
QIcon LevelTabIcon(int tab);
// A flight group flown by a player, and a message with a sound (16 x 15).
QIcon PlayerIcon();
QIcon WaveIcon();
// The link icon of the About box (32 x 32).
QPixmap LinkPicture();
// The map's cursor in 3D, where dragging turns the view.
QCursor RotateCursor();

}  // namespace vantorel
