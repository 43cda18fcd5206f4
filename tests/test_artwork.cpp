// The 23 pictures in resources/: present under their exact names, decodable,
// compiled into the program, and drawn so that the transparency rules work.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <vector>

namespace {

const QString kDir = QStringLiteral(TARNWICK_SOURCE_DIR "/resources/");

const std::vector<QString> kDesigns = {
    "Beach Ball.bmp", "IceCreamCone.bmp",   "Big Pumpkin.bmp", "Leaf.bmp", "Mitten.bmp",
    "Snowman.bmp",    "Purple Petunia.bmp", "Sunflower.bmp",   "Tulip.bmp", "Violet.bmp"};
const std::vector<QString> kArrows = {"ArrowDown.png", "ArrowRight.png"};
const std::vector<QString> kOthers = {"close64.png",   "print64.png",   "save64.png",
                                      "search64",      "refresh48.png", "move48.png",
                                      "add48.png",     "LongLine.png",  "ShortLine.png",
                                      "OxlLogo3x2.bmp", "MazeIcon128.bmp"};

std::vector<QString> AllNames() {
  std::vector<QString> all = kDesigns;
  all.insert(all.end(), kArrows.begin(), kArrows.end());
  all.insert(all.end(), kOthers.begin(), kOthers.end());
  return all;
}

QImage Load(const QString& name) { return QImage(kDir + name); }

bool IsKeyWhite(const QImage& img, int x, int y) { return (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }

// Exact white pixels that cannot be reached from the edge through exact white:
// these would show as holes punched into the motif when white is keyed out.
int EnclosedWhite(const QImage& img) {
  const int w = img.width(), h = img.height();
  std::vector<char> outside(size_t(w) * h, 0);
  std::vector<std::pair<int, int>> todo;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h || outside[size_t(y) * w + x] || !IsKeyWhite(img, x, y))
      return;
    outside[size_t(y) * w + x] = 1;
    todo.emplace_back(x, y);
  };
  for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
  for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) enclosed += !outside[size_t(y) * w + x] && IsKeyWhite(img, x, y);
  return enclosed;
}

}  // namespace

TEST(Artwork, EveryPictureIsPresentDecodesAndIsCompiledIn) {
  for (const QString& name : AllNames()) {
    SCOPED_TRACE(name.toStdString());
    QFile file(kDir + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(8);
    // The content must match what the name promises; "search64" carries PNG.
    if (name.endsWith(".bmp"))
      EXPECT_TRUE(head.startsWith("BM"));
    else
      EXPECT_TRUE(head.startsWith("\x89PNG"));
    const QImage img = Load(name);
    ASSERT_FALSE(img.isNull());
    EXPECT_GE(img.width(), 16);
    EXPECT_TRUE(QFile::exists(":/" + name)) << "not in the program's resources";
  }
}

TEST(Artwork, DesignsSitOnPureWhiteAndFillTheirSquare) {
  for (const QString& name : kDesigns) {
    SCOPED_TRACE(name.toStdString());
    const QImage img = Load(name);
    ASSERT_FALSE(img.isNull());
    EXPECT_FALSE(img.hasAlphaChannel());
    const int r = img.width() - 1, b = img.height() - 1;
    EXPECT_TRUE(IsKeyWhite(img, 0, 0) && IsKeyWhite(img, r, 0) && IsKeyWhite(img, 0, b) &&
                IsKeyWhite(img, r, b));
    int motif = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) motif += !IsKeyWhite(img, x, y);
    // Walls only read in small cells when the motif covers much of the square.
    EXPECT_GT(motif, img.width() * img.height() * 3 / 10);
    EXPECT_EQ(EnclosedWhite(img), 0);
  }
}

TEST(Artwork, ArrowsHaveClearSurroundingsAndASolidMiddle) {
  for (const QString& name : kArrows) {
    SCOPED_TRACE(name.toStdString());
    const QImage img = Load(name).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(img.isNull());
    const int r = img.width() - 1, b = img.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
      EXPECT_EQ(qAlpha(img.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
  }
  // Each arrow points its own way: ink at the tip, nothing in the corner
  // beside the shaft's tail.
  const QImage down = Load("ArrowDown.png").convertToFormat(QImage::Format_ARGB32);
  const QImage right = Load("ArrowRight.png").convertToFormat(QImage::Format_ARGB32);
  const int w = down.width();
  EXPECT_GT(qAlpha(down.pixel(w / 2, down.height() * 7 / 8)), 128);
  EXPECT_EQ(qAlpha(down.pixel(w * 7 / 8, down.height() / 8)), 0);
  EXPECT_GT(qAlpha(right.pixel(right.width() * 7 / 8, right.height() / 2)), 128);
}

TEST(Artwork, BackdropsFitTheirCanvases) {
  const QImage logo = Load("OxlLogo3x2.bmp");
  EXPECT_EQ(logo.size(), QSize(214, 54));
  EXPECT_TRUE(IsKeyWhite(logo, 0, 0));  // its white is keyed out on the About box
  EXPECT_EQ(Load("MazeIcon128.bmp").size(), QSize(128, 128));
  const QImage longLine = Load("LongLine.png"), shortLine = Load("ShortLine.png");
  EXPECT_LE(longLine.width(), 35);
  EXPECT_LE(longLine.height(), 33);
  EXPECT_LE(shortLine.width(), 32);
  EXPECT_LE(shortLine.height(), 33);
}
