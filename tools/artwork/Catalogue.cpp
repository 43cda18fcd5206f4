#include "Catalogue.h"

namespace art {

const std::vector<Artwork>& Catalogue() {
  static const std::vector<Artwork> all = {
      {"Beach Ball.bmp", Kind::Design, BeachBall},
      {"IceCreamCone.bmp", Kind::Design, IceCreamCone},
      {"Big Pumpkin.bmp", Kind::Design, BigPumpkin},
      {"Leaf.bmp", Kind::Design, Leaf},
      {"Mitten.bmp", Kind::Design, Mitten},
      {"Snowman.bmp", Kind::Design, Snowman},
      {"Purple Petunia.bmp", Kind::Design, PurplePetunia},
      {"Sunflower.bmp", Kind::Design, Sunflower},
      {"Tulip.bmp", Kind::Design, Tulip},
      {"Violet.bmp", Kind::Design, Violet},
      {"ArrowDown.png", Kind::Arrow, ArrowDown},
      {"ArrowRight.png", Kind::Arrow, ArrowRight},
      {"close64.png", Kind::Icon, Close64},
      {"print64.png", Kind::Icon, Print64},
      {"save64.png", Kind::Icon, Save64},
      {"search64", Kind::Icon, Search64},
      {"refresh48.png", Kind::Icon, Refresh48},
      {"move48.png", Kind::Icon, Move48},
      {"add48.png", Kind::Icon, Add48},
      {"LongLine.png", Kind::Icon, LongLine},
      {"ShortLine.png", Kind::Icon, ShortLine},
      {"OxlLogo3x2.bmp", Kind::About, OxlLogo},
      {"MazeIcon128.bmp", Kind::About, MazeIcon128},
  };
  return all;
}

}  // namespace art
