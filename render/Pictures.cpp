#include "render/Pictures.h"

#include <array>
#include <cstring>

namespace Pictures {

namespace {

struct Entry {
  const char* resourceName;
  bool markTransparent;  // set Transparent = 1 when it opens
  PicturePtr pic;        // empty until an open gives a picture
  int opens = 0;
  bool missing = false;  // tests: opens give nothing
};

enum Id {
  kBeachBall,
  kIceCreamCone,
  kBigPumpkin,
  kLeaf,
  kMitten,
  kSnowman,
  kPurplePetunia,
  kSunflower,
  kTulip,
  kViolet,
  kArrowDown,
  kArrowRight,
  kClose64,
  kPrint64,
  kSave64,
  kSearch64,
  kRefresh48,
  kMove48,
  kAdd48,
  kLongLine,
  kShortLine,
  kOxlLogo3x2,
  kMazeIcon128,
  kCount
};

std::array<Entry, kCount>& Catalogue() {
  static std::array<Entry, kCount> entries = {{
      {"Beach Ball.bmp", false, nullptr},     {"IceCreamCone.bmp", false, nullptr},
      {"Big Pumpkin.bmp", false, nullptr},    {"Leaf.bmp", false, nullptr},
      {"Mitten.bmp", false, nullptr},         {"Snowman.bmp", false, nullptr},
      {"Purple Petunia.bmp", false, nullptr}, {"Sunflower.bmp", false, nullptr},
      {"Tulip.bmp", false, nullptr},          {"Violet.bmp", false, nullptr},
      {"ArrowDown.png", false, nullptr},      {"ArrowRight.png", false, nullptr},
      {"close64.png", false, nullptr},        {"print64.png", false, nullptr},
      {"save64.png", false, nullptr},         {"search64", false, nullptr},
      {"refresh48.png", false, nullptr},      {"move48.png", false, nullptr},
      {"add48.png", false, nullptr},          {"LongLine.png", false, nullptr},
      {"ShortLine.png", false, nullptr},      {"OxlLogo3x2.bmp", true, nullptr},
      {"MazeIcon128.bmp", false, nullptr},
  }};
  return entries;
}

PicturePtr Get(Id id) {
  Entry& e = Catalogue()[id];
  if (!e.pic) {
    ++e.opens;
    if (!e.missing) e.pic = tk::Picture::Open(e.resourceName);
    if (e.pic && e.markTransparent) e.pic->SetTransparent(1);
  }
  return e.pic;
}

Entry* Find(const char* resourceName) {
  for (Entry& e : Catalogue())
    if (std::strcmp(e.resourceName, resourceName) == 0) return &e;
  return nullptr;
}

}  // namespace

PicturePtr BeachBall() { return Get(kBeachBall); }
PicturePtr IceCreamCone() { return Get(kIceCreamCone); }
PicturePtr BigPumpkin() { return Get(kBigPumpkin); }
PicturePtr Leaf() { return Get(kLeaf); }
PicturePtr Mitten() { return Get(kMitten); }
PicturePtr Snowman() { return Get(kSnowman); }
PicturePtr PurplePetunia() { return Get(kPurplePetunia); }
PicturePtr Sunflower() { return Get(kSunflower); }
PicturePtr Tulip() { return Get(kTulip); }
PicturePtr Violet() { return Get(kViolet); }
PicturePtr ArrowDown() { return Get(kArrowDown); }
PicturePtr ArrowRight() { return Get(kArrowRight); }
PicturePtr close64() { return Get(kClose64); }
PicturePtr print64() { return Get(kPrint64); }
PicturePtr save64() { return Get(kSave64); }
PicturePtr search64() { return Get(kSearch64); }
PicturePtr refresh48() { return Get(kRefresh48); }
PicturePtr move48() { return Get(kMove48); }
PicturePtr add48() { return Get(kAdd48); }
PicturePtr LongLine() { return Get(kLongLine); }
PicturePtr ShortLine() { return Get(kShortLine); }
PicturePtr OxlLogo3x2() { return Get(kOxlLogo3x2); }
PicturePtr MazeIcon128() { return Get(kMazeIcon128); }

int OpenCount(const char* resourceName) {
  const Entry* e = Find(resourceName);
  return e ? e->opens : 0;
}

void SetMissingForTesting(const char* resourceName, bool missing) {
  if (Entry* e = Find(resourceName)) e->missing = missing;
}

void ForgetForTesting(const char* resourceName) {
  if (Entry* e = Find(resourceName)) e->pic = nullptr;
}

}  // namespace Pictures
