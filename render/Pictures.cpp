#include "render/Pictures.h"

#include <map>
#include <set>
#include <string>

namespace Pictures {

namespace {

std::map<std::string, int>& Opens() {
  static std::map<std::string, int> opens;
  return opens;
}
std::set<std::string>& Missing() {
  static std::set<std::string> missing;
  return missing;
}

PicturePtr OpenInto(PicturePtr& cache, const char* resourceName, bool transparent = false) {
  if (!cache) {
    ++Opens()[resourceName];
    cache = Missing().count(resourceName) ? nullptr : tk::Picture::Open(resourceName);
    if (cache && transparent) cache->SetTransparent(1);
  }
  return cache;
}

}  // namespace

#define TARNWICK_PICTURE(name, resource, ...)  \
  PicturePtr name() {                          \
    static PicturePtr pic;                     \
    return OpenInto(pic, resource, ##__VA_ARGS__); \
  }

TARNWICK_PICTURE(BeachBall, "Beach Ball.bmp")
TARNWICK_PICTURE(IceCreamCone, "IceCreamCone.bmp")
TARNWICK_PICTURE(BigPumpkin, "Big Pumpkin.bmp")
TARNWICK_PICTURE(Leaf, "Leaf.bmp")
TARNWICK_PICTURE(Mitten, "Mitten.bmp")
TARNWICK_PICTURE(Snowman, "Snowman.bmp")
TARNWICK_PICTURE(PurplePetunia, "Purple Petunia.bmp")
TARNWICK_PICTURE(Sunflower, "Sunflower.bmp")
TARNWICK_PICTURE(Tulip, "Tulip.bmp")
TARNWICK_PICTURE(Violet, "Violet.bmp")
TARNWICK_PICTURE(ArrowDown, "ArrowDown.png")
TARNWICK_PICTURE(ArrowRight, "ArrowRight.png")
TARNWICK_PICTURE(close64, "close64.png")
TARNWICK_PICTURE(print64, "print64.png")
TARNWICK_PICTURE(save64, "save64.png")
TARNWICK_PICTURE(search64, "search64")
TARNWICK_PICTURE(refresh48, "refresh48.png")
TARNWICK_PICTURE(move48, "move48.png")
TARNWICK_PICTURE(add48, "add48.png")
TARNWICK_PICTURE(LongLine, "LongLine.png")
TARNWICK_PICTURE(ShortLine, "ShortLine.png")
TARNWICK_PICTURE(OxlLogo3x2, "OxlLogo3x2.bmp", true)
TARNWICK_PICTURE(MazeIcon128, "MazeIcon128.bmp")

#undef TARNWICK_PICTURE

int OpenCount(const char* resourceName) {
  auto it = Opens().find(resourceName);
  return it == Opens().end() ? 0 : it->second;
}

void SetMissingForTesting(const char* resourceName, bool missing) {
  if (missing) {
    Missing().insert(resourceName);
  } else {
    Missing().erase(resourceName);
  }
}

}  // namespace Pictures
