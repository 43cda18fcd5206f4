#pragma once
// The program's named pictures, one accessor each, named like the picture.
// A picture is opened from the application's resources on first use and the
// same object is handed out for the rest of the run; an open that gave
// nothing is tried again at the next use (the accessor then returns nullptr).
#include <memory>

#include "ui/toolkit/Picture.h"

namespace Pictures {

using PicturePtr = std::shared_ptr<tk::Picture>;

PicturePtr BeachBall();
PicturePtr IceCreamCone();
PicturePtr BigPumpkin();
PicturePtr Leaf();
PicturePtr Mitten();
PicturePtr Snowman();
PicturePtr PurplePetunia();
PicturePtr Sunflower();
PicturePtr Tulip();
PicturePtr Violet();
PicturePtr ArrowDown();
PicturePtr ArrowRight();
PicturePtr close64();
PicturePtr print64();
PicturePtr save64();
PicturePtr search64();
PicturePtr refresh48();
PicturePtr move48();
PicturePtr add48();
PicturePtr LongLine();
PicturePtr ShortLine();
// The maker's logo: white shows as transparent where it is shown.
PicturePtr OxlLogo3x2();
PicturePtr MazeIcon128();

// Tests only: how often a resource has been opened; a way to make the next
// opens of a resource give nothing (as a missing or broken picture would);
// and a way to empty one cache, so that the next use opens it afresh.
int OpenCount(const char* resourceName);
void SetMissingForTesting(const char* resourceName, bool missing);
void ForgetForTesting(const char* resourceName);

}  // namespace Pictures
