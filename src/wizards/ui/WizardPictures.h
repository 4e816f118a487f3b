#pragma once

#include <QPixmap>

namespace vantorel {

// What the picture on the left of a wizard page shows.
enum class WizardMotif { Mission, Fleet, Station, Asteroids, Minefield };

// A tall picture of space with the motif in the middle, in the program's
// drawing style (dark outlines, one accent colour per kind of thing). Drawn,
// not shipped, so it stays sharp at any screen scale.
QPixmap WizardPicture(WizardMotif motif);

// The size the pictures are drawn at, in device-independent pixels.
inline constexpr int kWizardPictureWidth = 132;
inline constexpr int kWizardPictureHeight = 260;

}  // namespace vantorel
