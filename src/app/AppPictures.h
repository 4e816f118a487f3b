#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantorel {

// The program's own pictures: its icon, the picture of the splash window and
// the About box, and the About box's link.

// The window icon.
QIcon AppIcon();
// The program picture of the splash window and the About box.
QPixmap ProgramPicture();
// The link icon of the About box (32 x 32).
QPixmap LinkPicture();

}  // namespace vantorel
