#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantorel {

// The program's information picture: the face of the Order Info button and
// the icon of the order help it shows. Drawn, not shipped, so it stays sharp
// at any size and screen scale.
QPixmap InformationPicture(int size);
QIcon InformationIcon();

// The face of the message sheet's Play button.
QIcon PlayIcon();

}  // namespace vantorel
