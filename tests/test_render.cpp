#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "MazeAscii.h"
#include "TestPaths.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Pictures.h"
#include "solver/PathFind.h"
#include "solver/PathPaint.h"
#include "ui/toolkit/Random.h"

namespace {

using PicturePtr = std::shared_ptr<tk::Picture>;

tk::Color At(const PicturePtr& p, int x, int y) { return p->RGBSurface().Pixel(x, y); }
int AlphaAt(const PicturePtr& p, int x, int y) { return qAlpha(p->Image().pixel(x, y)); }

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::Random::SeedForTesting(7);
    Module1::SetupMyPicts(0x000000);
    Module1::myImageIndex = 0;
    Module1::RANDOMISATION = 0;
    Module1::LastDoorUsed = 3;
    PathFind::FindingSolution = false;
    PathFind::hasSolution = false;
    PathFind::finalnode = nullptr;
  }

  // A paint of myDrawing as a maze view makes it.
  PicturePtr Draw(int w = 576, int h = 756) {
    Module1::myDrawing = std::make_shared<tk::Picture>(w, h, 32);
    Module1::DrawMaze(*Module1::myDrawing->Graphics());
    return Module1::myDrawing;
  }
};

TEST_F(RenderTest, CellsAndDrawnAreaFollowTheGridSize) {
  struct Case {
    std::int64_t request, cw, ch, maxW, maxH;
  };
  for (const Case& c : {Case{18, 30, 39, 570, 741}, Case{17, 33, 44, 561, 748}, Case{150, 3, 5, 453, 755}}) {
    Module1::CreateMaze(c.request, c.request, false);
    const auto pic = Draw();
    EXPECT_EQ(Module1::maxW, c.maxW);
    EXPECT_EQ(Module1::maxH, c.maxH);
    // The corner wall (1, 1) covers its cell; the strips past the cells stay white.
    if (c.cw >= 30) {
      EXPECT_EQ(At(pic, 0, 0), 0x000000u) << "checker's top-left square is black";
    } else {
      EXPECT_NE(At(pic, 0, 0), 0xFFFFFFu) << "a tiny cell still shows its wall";
    }
    EXPECT_EQ(At(pic, int(c.maxW), 0), 0xFFFFFFu);
    EXPECT_EQ(At(pic, 575, 300), 0xFFFFFFu);
    EXPECT_EQ(At(pic, 0, int(c.maxH)), 0xFFFFFFu);
    EXPECT_EQ(At(pic, 300, 755), 0xFFFFFFu);
    // The last wall column ends exactly at maxW.
    EXPECT_NE(At(pic, int(c.maxW) - 1, int(c.ch) / 4), 0xFFFFFFu) << "request " << c.request;
  }
}

TEST_F(RenderTest, ColourDesignsAreTheCheckerAndTheSolidTile) {
  ASSERT_EQ(Module1::myPicts.size(), 12u);
  const auto checker = Module1::myPicts[0];
  ASSERT_EQ(checker->Width(), 60);
  ASSERT_EQ(checker->Height(), 60);
  for (int j = 0; j < 6; ++j)
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(At(checker, i * 10 + 5, j * 10 + 5), (i + j) % 2 == 0 ? 0x000000u : 0xFFFFFFu)
          << i << "," << j;
  EXPECT_EQ(At(checker, 9, 9), 0x000000u);
  EXPECT_EQ(At(checker, 10, 9), 0xFFFFFFu);
  Module1::SetupMyPicts(0x3366CC);
  EXPECT_EQ(At(Module1::myPicts[1], 0, 0), 0x3366CCu);
  EXPECT_EQ(At(Module1::myPicts[1], 59, 59), 0x3366CCu);
}

TEST_F(RenderTest, RebuildingTheDesignsKeepsTheSamePictures) {
  std::vector<PicturePtr> before(Module1::myPicts.begin(), Module1::myPicts.end());
  Module1::SetupMyPicts(0xFF0000);
  ASSERT_EQ(Module1::myPicts.size(), 12u);
  EXPECT_NE(Module1::myPicts[0], before[0]);
  for (std::size_t i = 2; i < 12; ++i) EXPECT_EQ(Module1::myPicts[i], before[i]) << i;
  EXPECT_EQ(Module1::myPicts[9], Pictures::Sunflower());
}

TEST_F(RenderTest, WhiteWallsVanish) {
  Module1::SetupMyPicts(0xFFFFFF);
  Module1::CreateMaze(17, 17, false);
  Module1::LastDoorUsed = 0;
  Module1::CreateMaze(17, 17, false);
  Module1::myImageIndex = 1;
  const auto pic = Draw();
  const QImage& image = pic->Image();
  int notWhite = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) notWhite += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  // Only the entrance arrow remains.
  EXPECT_GT(notWhite, 0);
  EXPECT_LT(notWhite, 33 * 44);
  for (int y = 0; y < 44; ++y)
    for (int x = 0; x < 33; ++x) ASSERT_EQ(At(pic, x, y), 0xFFFFFFu);
}

TEST_F(RenderTest, ArrowsMarkTheEntranceAndOnlyAnOpenedExit) {
  Module1::CreateMaze(17, 17, false);  // cells 33 x 44
  auto cellChanged = [](const PicturePtr& a, const PicturePtr& b, int cx, int cy) {
    for (int y = cy * 44; y < cy * 44 + 44; ++y)
      for (int x = cx * 33; x < cx * 33 + 33; ++x)
        if (At(a, x, y) != At(b, x, y)) return true;
    return false;
  };
  Module1::myImageIndex = 1;
  const auto withExit = Draw();
  std::vector<std::int64_t> noExit = {0, 4};
  for (auto door : noExit) {
    Module1::LastDoorUsed = door;
    const auto pic = Draw();
    // No arrow on any of the three exit cells; the entrance cell (2, 1) is drawn.
    EXPECT_NE(At(pic, 33 + 16, 22), 0xFFFFFFu) << "entrance arrow";
    EXPECT_EQ(At(pic, 15 * 33 + 16, 16 * 44 + 22), 0xFFFFFFu) << "no exit arrow, door " << door;
    EXPECT_EQ(At(pic, 1 * 33 + 16, 16 * 44 + 22), 0x000000u) << "wall below, door " << door;
    EXPECT_TRUE(cellChanged(withExit, pic, 15, 16));
  }
  Module1::LastDoorUsed = 1;
  Module1::CreateDoors(false);
  const auto right = Draw();
  EXPECT_NE(At(right, 16 * 33 + 16, 44 + 22), 0x000000u) << "the right exit shows its arrow";
}

TEST_F(RenderTest, TwoPaintsWithoutAChangeAreIdentical) {
  Module1::CreateMaze(40, 40, false);
  for (std::int64_t design : {0, 5, 9}) {
    Module1::myImageIndex = design;
    auto target1 = std::make_shared<tk::Picture>(576, 756, 32);
    auto target2 = std::make_shared<tk::Picture>(576, 756, 32);
    Module1::PaintMazeCanvas(*target1->Graphics());
    Module1::PaintMazeCanvas(*target2->Graphics());
    EXPECT_EQ(target1->Image(), target2->Image()) << design;
    // The paint frames the view in black.
    EXPECT_EQ(At(target1, 300, 0), 0x000000u);
    EXPECT_EQ(At(target1, 575, 400), 0x000000u);
    EXPECT_EQ(At(target1, 300, 755), 0x000000u);
  }
}

TEST_F(RenderTest, TransparentDropsOnlyPureWhite) {
  auto p = std::make_shared<tk::Picture>(3, 2, 32);
  auto s = p->RGBSurface();
  s.SetPixel(0, 0, 0xFEFFFF);
  s.SetPixel(1, 0, 0x123456);
  s.SetPixel(2, 0, 0xFFFFFF);
  s.SetPixel(0, 1, 0x000000);
  const auto t = Module1::Transparent(p);
  ASSERT_EQ(t->Width(), 3);
  ASSERT_EQ(t->Height(), 2);
  EXPECT_EQ(AlphaAt(t, 0, 0), 255);
  EXPECT_EQ(At(t, 0, 0), 0xFEFFFFu) << "near-white is copied";
  EXPECT_EQ(At(t, 1, 0), 0x123456u);
  EXPECT_EQ(AlphaAt(t, 2, 0), 0);
  EXPECT_EQ(AlphaAt(t, 0, 1), 255);
  EXPECT_EQ(AlphaAt(t, 1, 1), 0) << "the new picture starts white-as-untouched";
  EXPECT_EQ(At(p, 2, 0), 0xFFFFFFu) << "the original is unchanged";

  auto one = std::make_shared<tk::Picture>(1, 1, 32);
  EXPECT_EQ(AlphaAt(Module1::Transparent(one), 0, 0), 0);
  one->RGBSurface().SetPixel(0, 0, 0x00FF00);
  EXPECT_EQ(At(Module1::Transparent(one), 0, 0), 0x00FF00u);

  auto solid = Module1::myPicts[1];  // black, no white
  EXPECT_EQ(Module1::Transparent(solid)->Image(), solid->Image());
  auto white = std::make_shared<tk::Picture>(20, 10, 32);
  const auto gone = Module1::Transparent(white);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(AlphaAt(gone, x, y), 0);
  EXPECT_EQ(Module1::Transparent(nullptr), nullptr);
}

TEST_F(RenderTest, SearchMarksAndPathLandOnTheirCells) {
  // A 25 x 31 grid on 576 x 756: cells 23 x 24.
  std::string art;
  for (int y = 1; y <= 31; ++y) art += std::string(25, y == 1 || y == 31 ? '#' : '.') + "\n";
  mazeascii::Load(art);
  Module1::myImageIndex = 1;
  Module1::LastDoorUsed = 0;
  PathFind::mCellState.Clear();
  PathFind::mCellState(2, 2) = 1;
  PathFind::FindingSolution = true;
  auto pic = Draw();
  EXPECT_EQ(At(pic, 24, 25), 0xFFA8A8u);
  EXPECT_EQ(At(pic, 24 + 21, 25 + 22), 0xFFA8A8u);
  EXPECT_EQ(At(pic, 23, 25), 0xFFFFFFu) << "the leftmost column of the cell stays";
  EXPECT_EQ(At(pic, 24, 24), 0xFFFFFFu) << "the top row of the cell stays";
  EXPECT_EQ(At(pic, 24 + 22, 25), 0xFFFFFFu);

  PathFind::FindingSolution = false;
  pic = Draw();
  EXPECT_EQ(At(pic, 30, 30), 0xFFFFFFu) << "old marks are not painted once the search stopped";

  // A path of one step from the entrance (2, 1) down to (2, 2): one line
  // between the centres (33, 11) and (33, 35), drawn over the arrow.
  auto start = std::make_shared<GridSearchNode>(2, 1);
  auto child = std::make_shared<GridSearchNode>(2, 2, start);
  EXPECT_NE(At(pic, 33, 11), tk::RGB(0, 175, 0)) << "the arrow alone";
  EXPECT_NE(At(pic, 33, 11), 0xFFFFFFu) << "the arrow covers the entrance centre";
  PathFind::finalnode = child;
  PathFind::hasSolution = true;
  pic = Draw();
  EXPECT_EQ(At(pic, 33, 11), tk::RGB(0, 175, 0)) << "entrance centre, over the arrow";
  EXPECT_EQ(At(pic, 33, 23), tk::RGB(0, 175, 0));
  EXPECT_EQ(At(pic, 33, 35), tk::RGB(0, 175, 0));
  EXPECT_NE(At(pic, 33, 40), tk::RGB(0, 175, 0)) << "the path ends at the child's centre";
  EXPECT_NE(At(pic, 40, 23), tk::RGB(0, 175, 0));

  PathFind::finalnode = start;
  pic = Draw();
  EXPECT_NE(At(pic, 33, 23), tk::RGB(0, 175, 0)) << "a start node alone draws nothing";
  PathFind::hasSolution = false;
}

TEST_F(RenderTest, DrawingCopesWithMissingPictures) {
  // Arrows and a design whose opens give nothing, as a missing or broken
  // resource would.
  const char* names[] = {"ArrowDown.png", "ArrowRight.png", "Sunflower.bmp"};
  for (const char* n : names) {
    Pictures::SetMissingForTesting(n, true);
    Pictures::ForgetForTesting(n);
  }
  Module1::SetupMyPicts(0x000000);
  ASSERT_EQ(Module1::myPicts.size(), 12u);
  EXPECT_EQ(Module1::myPicts[9], nullptr);
  EXPECT_EQ(Module1::Transparent(nullptr), nullptr);

  Module1::CreateMaze(17, 17, false);  // cells 33 x 44
  Module1::myImageIndex = 9;
  auto pic = Draw();
  EXPECT_EQ(Module1::maxW, 561);
  EXPECT_EQ(Module1::maxH, 748);
  EXPECT_EQ(At(pic, 5, 5), 0xFFFFFFu) << "walls without a design stay white";
  EXPECT_EQ(At(pic, 33 + 16, 22), 0xFFFFFFu) << "no entrance arrow without its picture";
  Module1::LastDoorUsed = 1;
  Module1::CreateDoors(false);
  pic = Draw();
  EXPECT_EQ(At(pic, 16 * 33 + 16, 44 + 22), 0xFFFFFFu);

  // An index outside the designs draws no walls either.
  Module1::myImageIndex = 42;
  pic = Draw();
  EXPECT_EQ(At(pic, 5, 5), 0xFFFFFFu);
  EXPECT_EQ(Module1::maxW, 561);

  // Once the resources are back, the next use opens them.
  for (const char* n : names) Pictures::SetMissingForTesting(n, false);
  Module1::SetupMyPicts(0x000000);
  EXPECT_NE(Module1::myPicts[9], nullptr);
  Module1::myImageIndex = 0;
  pic = Draw();
  EXPECT_NE(At(pic, 33 + 16, 22), 0xFFFFFFu) << "the entrance arrow is back";
}

TEST_F(RenderTest, BeforeTheFirstMazeOnlyWhiteIsDrawn) {
  Module1::MAZE_X = 0;
  Module1::MAZE_Y = 0;
  Module1::maxW = 99;
  Module1::maxH = 99;
  auto view = std::make_shared<tk::Picture>(40, 30, 32);
  view->Graphics()->SetForeColor(0x00FF00);
  view->Graphics()->FillRect(0, 0, 40, 30);
  Module1::PaintMazeCanvas(*view->Graphics());
  EXPECT_EQ(Module1::maxW, 0);
  EXPECT_EQ(Module1::maxH, 0);
  EXPECT_EQ(At(Module1::myDrawing, 20, 15), 0xFFFFFFu);
  EXPECT_EQ(At(view, 0, 0), 0x000000u) << "the frame";
}

TEST(Pictures, EveryPictureOpensOnceAndStaysTheSame) {
  using Accessor = Pictures::PicturePtr (*)();
  const std::pair<Accessor, const char*> all[] = {{Pictures::BeachBall, "Beach Ball.bmp"},
                                                  {Pictures::IceCreamCone, "IceCreamCone.bmp"},
                                                  {Pictures::BigPumpkin, "Big Pumpkin.bmp"},
                                                  {Pictures::Leaf, "Leaf.bmp"},
                                                  {Pictures::Mitten, "Mitten.bmp"},
                                                  {Pictures::Snowman, "Snowman.bmp"},
                                                  {Pictures::PurplePetunia, "Purple Petunia.bmp"},
                                                  {Pictures::Sunflower, "Sunflower.bmp"},
                                                  {Pictures::Tulip, "Tulip.bmp"},
                                                  {Pictures::Violet, "Violet.bmp"},
                                                  {Pictures::ArrowDown, "ArrowDown.png"},
                                                  {Pictures::ArrowRight, "ArrowRight.png"},
                                                  {Pictures::close64, "close64.png"},
                                                  {Pictures::print64, "print64.png"},
                                                  {Pictures::save64, "save64.png"},
                                                  {Pictures::search64, "search64"},
                                                  {Pictures::refresh48, "refresh48.png"},
                                                  {Pictures::move48, "move48.png"},
                                                  {Pictures::add48, "add48.png"},
                                                  {Pictures::LongLine, "LongLine.png"},
                                                  {Pictures::ShortLine, "ShortLine.png"},
                                                  {Pictures::OxlLogo3x2, "OxlLogo3x2.bmp"},
                                                  {Pictures::MazeIcon128, "MazeIcon128.bmp"}};
  for (auto [accessor, name] : all) {
    const int before = Pictures::OpenCount(name);
    const auto first = accessor();
    ASSERT_NE(first, nullptr) << name;
    EXPECT_GT(first->Width(), 0) << name;
    EXPECT_LE(Pictures::OpenCount(name), before + 1) << name;
    const int opened = Pictures::OpenCount(name);
    EXPECT_EQ(accessor(), first) << name;
    EXPECT_EQ(accessor(), first) << name;
    EXPECT_EQ(Pictures::OpenCount(name), opened) << name << " is opened once";
    EXPECT_EQ(first->Transparent(), std::string(name) == "OxlLogo3x2.bmp" ? 1 : 0) << name;
    // Every accessor keeps its own picture.
    for (auto [other, otherName] : all)
      if (other != accessor && other() == first) ADD_FAILURE() << name << " is " << otherName;
  }
}

TEST(Pictures, AFailedOpenIsTriedAgainAtTheNextUse) {
  Pictures::ForgetForTesting("Leaf.bmp");
  Pictures::SetMissingForTesting("Leaf.bmp", true);
  const int before = Pictures::OpenCount("Leaf.bmp");
  EXPECT_EQ(Pictures::Leaf(), nullptr);
  EXPECT_EQ(Pictures::Leaf(), nullptr);
  Pictures::SetMissingForTesting("Leaf.bmp", false);
  const auto leaf = Pictures::Leaf();
  ASSERT_NE(leaf, nullptr);
  EXPECT_EQ(Pictures::OpenCount("Leaf.bmp"), before + 3);
  EXPECT_EQ(Pictures::Leaf(), leaf);
  EXPECT_EQ(Pictures::OpenCount("Leaf.bmp"), before + 3);
}

// One maze in each of the twelve designs, for people to look at.
TEST_F(RenderTest, GalleryOfTheTwelveDesigns) {
  Module1::RANDOMISATION = 5;
  Module1::CreateMaze(25, 25, false);
  for (std::int64_t design = 0; design < 12; ++design) {
    Module1::myImageIndex = design;
    auto view = std::make_shared<tk::Picture>(576, 756, 32);
    Module1::PaintMazeCanvas(*view->Graphics());
    const auto file = testpaths::Gallery() / ("design-" + std::to_string(design) + ".png");
    ASSERT_TRUE(view->Image().save(QString::fromStdString(file.string()), "PNG")) << file;
  }
}

}  // namespace
