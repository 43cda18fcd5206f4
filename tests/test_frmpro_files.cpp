// Saving and printing from the advanced window. Saved files are read back
// with a PNG reader of the test's own (zlib for the inflating), not with the
// toolkit that wrote them.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "PrintSeam.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "render/Print.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/FileTypes1.h"
#include "ui/Module1.h"
#include "ui/frmPro.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"
#include "ui/toolkit/Runtime.h"

namespace {

// A decoded PNG: 8-bit RGB or RGBA, not interlaced (what picture writers
// commonly produce); colours as 0xRRGGBB, alpha dropped.
struct Png {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

std::uint32_t BigEndian(const unsigned char* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// zlib's one-call inflate, from the library every desktop system has.
using Uncompress = int (*)(unsigned char*, unsigned long*, const unsigned char*, unsigned long);
Uncompress Inflater() {
  static void* lib = dlopen("libz.so.1", RTLD_NOW);
  return lib ? reinterpret_cast<Uncompress>(dlsym(lib, "uncompress")) : nullptr;
}

// The smallest rectangle (left, top, right, bottom, all included) that
// holds every pixel of the page that is not white.
std::array<int, 4> InkBounds(tk::Picture& page) {
  auto pixels = page.RGBSurface();
  std::array<int, 4> box{page.Width(), page.Height(), -1, -1};
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x)
      if (pixels.Pixel(x, y) != 0xFFFFFFu) {
        box[0] = std::min(box[0], x), box[2] = std::max(box[2], x);
        box[1] = std::min(box[1], y), box[3] = std::max(box[3], y);
      }
  return box;
}

std::optional<Png> ReadPng(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto* b = reinterpret_cast<const unsigned char*>(file.data());
  if (file.size() < 8 || file.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return std::nullopt;
  Png png;
  int channels = 0;
  std::string idat;
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::uint32_t length = BigEndian(b + at);
    const std::string type = file.substr(at + 4, 4);
    if (at + 12 + length > file.size()) return std::nullopt;
    const unsigned char* data = b + at + 8;
    if (type == "IHDR") {
      png.width = int(BigEndian(data));
      png.height = int(BigEndian(data + 4));
      if (data[8] != 8 || data[12] != 0) return std::nullopt;  // depth 8, not interlaced
      channels = data[9] == 2 ? 3 : data[9] == 6 ? 4 : 0;
      if (channels == 0) return std::nullopt;
    } else if (type == "IDAT") {
      idat.append(file, at + 8, length);
    } else if (type == "IEND") {
      break;
    }
    at += 12 + length;
  }
  if (channels == 0 || png.width <= 0 || png.height <= 0 || !Inflater()) return std::nullopt;
  const std::size_t stride = std::size_t(png.width) * std::size_t(channels);
  std::vector<unsigned char> raw((stride + 1) * std::size_t(png.height));
  unsigned long rawSize = raw.size();
  if (Inflater()(raw.data(), &rawSize, reinterpret_cast<const unsigned char*>(idat.data()), idat.size()) != 0 ||
      rawSize != raw.size())
    return std::nullopt;

  std::vector<unsigned char> prev(stride, 0), line(stride);
  png.pixels.reserve(std::size_t(png.width) * std::size_t(png.height));
  for (int y = 0; y < png.height; ++y) {
    const unsigned char* row = raw.data() + std::size_t(y) * (stride + 1);
    const int filter = row[0];
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= std::size_t(channels) ? line[i - std::size_t(channels)] : 0;
      const int up = prev[i];
      const int c = i >= std::size_t(channels) ? prev[i - std::size_t(channels)] : 0;
      int predicted = 0;
      switch (filter) {
        case 0: predicted = 0; break;
        case 1: predicted = a; break;
        case 2: predicted = up; break;
        case 3: predicted = (a + up) / 2; break;
        case 4: {
          const int p = a + up - c, pa = std::abs(p - a), pb = std::abs(p - up), pc = std::abs(p - c);
          predicted = pa <= pb && pa <= pc ? a : pb <= pc ? up : c;
          break;
        }
        default: return std::nullopt;
      }
      line[i] = static_cast<unsigned char>(row[1 + i] + predicted);
    }
    for (int x = 0; x < png.width; ++x) {
      const unsigned char* px = line.data() + std::size_t(x) * std::size_t(channels);
      png.pixels.push_back((std::uint32_t(px[0]) << 16) | (std::uint32_t(px[1]) << 8) | px[2]);
    }
    prev.swap(line);
  }
  return png;
}

class FailSavingAt : public tk::FileSeam {
 public:
  explicit FailSavingAt(std::string path) : path_(std::move(path)) {}
  bool Fails(tk::FileOp op, const std::string& nativePath) override {
    return op == tk::FileOp::SavePicture && nativePath == path_;
  }

 private:
  std::string path_;
};

class ProFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
    FileTypes1::Initialize_();  // as the start-up does
    Module1::SetupINIandPrefs();
    Module1::SetupMyPicts(0x000000);
    App::App_()->BasicPro = 1;
    folder = std::filesystem::temp_directory_path() / ("tarnwick-save-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    window = frmPro::frmPro_();
    window->Show();
    tk::ProcessEvents();
  }
  void TearDown() override {
    tk::SetFileSeam(nullptr);
    window = nullptr;
    uitest::ResetRun();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // A maze whose cells leave white beside and below them, solved, and the
  // view painted with the path.
  void SolveAndPaint(int width, int height) {
    window->Slider1()->SetValue(width);
    window->Slider2()->SetValue(height);
    window->btnFindSolution()->Push();
    uitest::RunEventsUntil([] { return !PathFind::FindingSolution; }, 60000);
    ASSERT_TRUE(PathFind::hasSolution);
    tk::FlushRefreshes();
  }

  std::shared_ptr<FakeDialogs> dialogs;
  std::shared_ptr<frmPro::frmPro> window;
  std::filesystem::path folder;
};

TEST_F(ProFiles, SaveWritesTheWholePictureAsLastPaintedUnderADatedName) {
  SolveAndPaint(61, 45);
  const auto file = folder / "maze.png";
  dialogs->savePaths.push_back(file.string());
  window->BevelButton3()->Push();

  ASSERT_EQ(dialogs->saveRequests.size(), 1u);
  EXPECT_EQ(dialogs->saveRequests[0].first, FileTypes1::PNG()->Filter());
  EXPECT_TRUE(std::regex_match(dialogs->saveRequests[0].second,
                               std::regex(R"(New Maze \d{4}-\d{2}-\d{2} \d{2}-\d{2}-\d{2}\.png)")))
      << dialogs->saveRequests[0].second;
  EXPECT_TRUE(dialogs->messages.empty());

  const auto png = ReadPng(file);
  ASSERT_TRUE(png.has_value());
  ASSERT_EQ(png->width, 576);
  ASSERT_EQ(png->height, 756);
  // Neither cropped nor scaled: the white right of and below the cells is
  // there, and every pixel is the painted picture's.
  ASSERT_LT(Module1::maxW, 570);
  ASSERT_LT(Module1::maxH, 750);
  EXPECT_EQ(png->At(575, 10), 0xFFFFFFu);
  EXPECT_EQ(png->At(10, 755), 0xFFFFFFu);
  auto drawn = Module1::myDrawing->RGBSurface();
  int differing = 0, path = 0;
  for (int y = 0; y < 756; ++y)
    for (int x = 0; x < 576; ++x) {
      if (png->At(x, y) != drawn.Pixel(x, y)) ++differing;
      if (png->At(x, y) == 0x00AF00u) ++path;
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(path, 100) << "the found path is in the file";
}

TEST_F(ProFiles, ACancelledSaveWritesNothingAndSaysNothing) {
  window->BevelButton3()->Push();
  EXPECT_EQ(dialogs->Count("Save"), 1);
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(ProFiles, ASaveThatFailsTellsTheUser) {
  tk::FlushRefreshes();
  const auto full = folder / "New Maze on a full disk.png";
  tk::SetFileSeam(std::make_shared<FailSavingAt>(full.string()));
  dialogs->savePaths.push_back(full.string());
  window->BevelButton3()->Push();
  EXPECT_EQ(dialogs->messages, (std::vector<std::string>{"The maze could not be saved as New Maze on a full disk.png."}));
  EXPECT_FALSE(std::filesystem::exists(full));

  // A folder that is not there.
  dialogs->savePaths.push_back((folder / "gone" / "maze.png").string());
  window->BevelButton3()->Push();
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[1], "The maze could not be saved as maze.png.");
}

TEST_F(ProFiles, PrintStretchesTheCellAreaOverTheWholePicture) {
  // A grid 151 wide and 17 high leaves a wide white strip right of its
  // cells; the print is of the cells alone, stretched to the view's shape.
  Module1::myImageIndex = 1;  // solid walls, so the print's extent shows
  window->Slider1()->SetValue(150);
  window->Slider2()->SetValue(17);
  tk::FlushRefreshes();
  ASSERT_LT(double(Module1::maxW) / double(Module1::maxH), 0.65);

  auto seam = std::make_shared<PrintSeam>();
  seam->page = std::make_shared<tk::Picture>(1000, 1000, 32);
  tk::SetDialogSeam(seam);
  window->BevelButton2()->Push();
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "Print"}));

  const auto [left, top, right, bottom] = InkBounds(*seam->page);
  ASSERT_GE(right, left);
  const double aspect = double(right - left + 1) / double(bottom - top + 1);
  EXPECT_NEAR(aspect, 576.0 / 756.0, 0.02);
  EXPECT_NEAR((left + right) / 2.0, 500.0, 2.0) << "centred";
  EXPECT_GT(bottom - top, 900) << "fitted to the page";
  EXPECT_EQ(window->Slider1()->Value(), 150) << "printing changes nothing";
}

TEST_F(ProFiles, PrintKeepsHardWallsOnALargeMaze) {
  // A 151 x 151 maze in solid black, printed at 300 dpi onto an A4 page:
  // the cell area is stretched to the view's shape without smoothing, so
  // the walls stay black and the rooms white.
  Module1::myImageIndex = 1;
  window->Slider1()->SetValue(150);
  window->Slider2()->SetValue(150);
  tk::FlushRefreshes();
  ASSERT_EQ(Module1::MAZE_X, 151);

  auto seam = std::make_shared<PrintSeam>();
  seam->page = std::make_shared<tk::Picture>(2480, 3508, 32);
  tk::SetDialogSeam(seam);
  window->BevelButton2()->Push();
  ASSERT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "Print"}));
  ASSERT_EQ(Module1::myPrinterSetup->HorizontalResolution(), 300);

  const auto [left, top, right, bottom] = InkBounds(*seam->page);
  ASSERT_GT(right - left, 2000);
  auto page = seam->page->RGBSurface();
  long grey = 0, all = 0;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x, ++all) {
      const auto v = page.Pixel(x, y) & 0xFF;
      if (v >= 9 && v <= 246) ++grey;
    }
  const double share = 100.0 * double(grey) / double(all);
  RecordProperty("GreyPercent", std::to_string(share));
  EXPECT_LE(share, 1.0) << "mid-grey share of the printed maze, in %";
}

TEST_F(ProFiles, ACancelledPrintChangesNothing) {
  tk::FlushRefreshes();
  const auto drawing = Module1::myDrawing;
  auto seam = std::make_shared<PrintSeam>();
  seam->confirmPrint = false;
  tk::SetDialogSeam(seam);
  window->BevelButton2()->Push();
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "Print"}));
  EXPECT_EQ(Module1::myDrawing, drawing);
  EXPECT_TRUE(window->IsOpen());
}

}  // namespace
