#pragma once

#include <QIcon>

namespace vantorel {

// The toolbar and menu picture of a command (16 x 15), in the program's drawn
// style; null for none.
QIcon CommandIcon(int id);

}  // namespace vantorel
