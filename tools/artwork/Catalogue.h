#pragma once
// The program's 23 pictures: resource name, file format and drawing routine.
#include <QImage>
#include <QString>
#include <vector>

namespace art {

enum class Kind {
  Design,  // border design: 24-bit BMP on exact white, drawn into every wall cell
  Arrow,   // door arrow: PNG with alpha, drawn into one cell
  Icon,    // button icon or small backdrop: PNG with alpha
  About    // About box picture: 24-bit BMP
};

struct Artwork {
  QString resourceName;
  Kind kind;
  QImage (*draw)();
};

const std::vector<Artwork>& Catalogue();

// Border designs.
QImage BeachBall();
QImage IceCreamCone();
QImage BigPumpkin();
QImage Leaf();
QImage Mitten();
QImage Snowman();
QImage PurplePetunia();
QImage Sunflower();
QImage Tulip();
QImage Violet();

// Arrows, button icons and the line-length pictures.
QImage ArrowDown();
QImage ArrowRight();
QImage Close64();
QImage Print64();
QImage Save64();
QImage Search64();
QImage Refresh48();
QImage Move48();
QImage Add48();
QImage LongLine();
QImage ShortLine();

// About box.
QImage OxlLogo();
QImage MazeIcon128();

// Contact sheet of every picture at 1x and the designs at wall-cell sizes.
QImage ContactSheet(const std::vector<QImage>& pictures);

}  // namespace art
