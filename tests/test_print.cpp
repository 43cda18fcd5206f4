// Printing: where the picture lands on the page, the rescaling for the
// printer, the page settings and the order of the dialogs.
#include <gtest/gtest.h>

#include <QPrinter>
#include <cmath>
#include <set>

#include "PrintSeam.h"
#include "render/Print.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"

namespace {

constexpr tk::Color kBlue = 0x3366CC;

// A maze-like picture: blocks of black and blue, no white anywhere.
std::shared_ptr<tk::Picture> Blocks(int w, int h, int block) {
  auto p = std::make_shared<tk::Picture>(w, h, 32);
  auto g = p->Graphics();
  for (int y = 0; y < h; y += block) {
    for (int x = 0; x < w; x += block) {
      g->SetForeColor(((x + y) / block) % 2 == 0 ? 0x000000 : kBlue);
      g->FillRect(x, y, block, block);
    }
  }
  return p;
}

std::set<tk::Color> Colours(tk::Picture& p) {
  std::set<tk::Color> seen;
  const QImage& image = p.Image();
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) seen.insert(line[x] & 0xFFFFFF);
  }
  return seen;
}

bool Fits(double w, double h, int gw, int gh) { return w <= gw && h <= gh; }

}  // namespace

// --- Where the picture lands ------------------------------------------------

TEST(FitToPage, SmallPictureGrowsUntilTheNextStepWouldNotFit) {
  // 15 steps of 2 % make 1017.48 in height, one step back 997.53.
  const auto r = Module1::FitToPage(576, 756, 1000, 1000, true);
  EXPECT_NEAR(r.w, 760.02, 0.005);
  EXPECT_NEAR(r.h, 997.53, 0.005);
  EXPECT_NEAR(r.x, 119.99, 0.005);
  EXPECT_NEAR(r.y, 1.24, 0.005);
  EXPECT_NEAR(r.h / 756.0, std::pow(1.02, 14), 1e-9);
}

TEST(FitToPage, EverySizeIsTheLargestStepThatFitsAndIsCentred) {
  const int pages[][2] = {{1000, 1000}, {2400, 3300}, {3300, 2400}, {50, 900}, {7, 7}};
  for (const auto& page : pages) {
    const int gw = page[0], gh = page[1];
    for (int pw = 1; pw <= 4000; pw += 97) {
      for (int ph = 1; ph <= 4000; ph += 89) {
        SCOPED_TRACE(testing::Message() << pw << "x" << ph << " on " << gw << "x" << gh);
        const auto r = Module1::FitToPage(pw, ph, gw, gh, true);
        ASSERT_TRUE(Fits(r.w, r.h, gw, gh));
        EXPECT_NEAR(r.w / pw, r.h / ph, 1e-9);  // proportions kept
        EXPECT_DOUBLE_EQ(r.x, (gw - r.w) / 2.0);
        EXPECT_DOUBLE_EQ(r.y, (gh - r.h) / 2.0);
        if (pw < gw && ph < gh) {
          EXPECT_GE(r.w, pw * (1 - 1e-12));  // never smaller than it was
          EXPECT_FALSE(Fits(r.w * 1.02, r.h * 1.02, gw, gh));
        } else if (!Fits(pw, ph, gw, gh)) {
          EXPECT_FALSE(Fits(r.w / 0.98, r.h / 0.98, gw, gh));
        }
      }
    }
  }
}

TEST(FitToPage, PictureAsWideAsThePageKeepsItsSizeCentredVertically) {
  const auto r = Module1::FitToPage(2400, 3150, 2400, 3300, true);
  EXPECT_DOUBLE_EQ(r.w, 2400);
  EXPECT_DOUBLE_EQ(r.h, 3150);
  EXPECT_DOUBLE_EQ(r.x, 0);
  EXPECT_DOUBLE_EQ(r.y, 75);
}

TEST(FitToPage, WithoutFitNaturalSizeCentredOnlyWhenSmallerBothWays) {
  const auto centred = Module1::FitToPage(100, 51, 201, 100, false);
  EXPECT_DOUBLE_EQ(centred.x, 50.5);
  EXPECT_DOUBLE_EQ(centred.y, 24.5);
  EXPECT_DOUBLE_EQ(centred.w, 100);
  EXPECT_DOUBLE_EQ(centred.h, 51);
  const auto corner = Module1::FitToPage(300, 51, 201, 100, false);
  EXPECT_DOUBLE_EQ(corner.x, 0);
  EXPECT_DOUBLE_EQ(corner.y, 0);
  EXPECT_DOUBLE_EQ(corner.w, 300);
}

TEST(FitToPage, PageOrPictureWithoutAreaEndsAtOnceWithNothingToDraw) {
  // Each of these looped for ever in the plain 2 % steps.
  const int cases[][4] = {
      {576, 756, 0, 1000}, {576, 756, 1000, 0}, {576, 756, -5, -5}, {0, 0, 1000, 1000}, {0, 50, 1000, 1000}};
  for (const auto& c : cases) {
    const auto r = Module1::FitToPage(c[0], c[1], c[2], c[3], true);
    EXPECT_EQ(r.w * r.h, 0);
  }
}

// --- Rescaling for the printer ------------------------------------------------

TEST(ConvertToDPI, RescalesFrom72DpiSharplyOntoWhite) {
  auto source = Blocks(576, 756, 12);
  const QImage before = source->Image().copy();

  auto at300 = modPrint96::ConvertToDPI(source, 300);
  EXPECT_EQ(at300->Width(), 2400);
  EXPECT_EQ(at300->Height(), 3150);
  // Nearest neighbour: only the picture's own colours, no blurred edges.
  EXPECT_EQ(Colours(*at300), (std::set<tk::Color>{0x000000, kBlue}));
  EXPECT_EQ(source->Image(), before);

  auto at72 = modPrint96::ConvertToDPI(source, 72);
  EXPECT_NE(at72, source);
  EXPECT_EQ(at72->Image(), before);

  auto odd = modPrint96::ConvertToDPI(std::make_shared<tk::Picture>(7, 5, 32), 100);
  EXPECT_EQ(odd->Width(), 9);   // trunc(9.72)
  EXPECT_EQ(odd->Height(), 6);  // trunc(6.94)

  // Transparent parts of the source print as white paper.
  auto clear = std::make_shared<tk::Picture>(10, 10);
  EXPECT_EQ(Colours(*modPrint96::ConvertToDPI(clear, 144)), (std::set<tk::Color>{0xFFFFFF}));
}

// --- Page settings ------------------------------------------------------------

TEST(PrinterSetup, SetupStringCarriesEverySetting) {
  tk::PrinterSetup a;
  a.SetPrinterName("Office; 2nd floor=left 100%");
  a.SetPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                              QMarginsF(10.5, 20, 30, 40.25), QPageLayout::Millimeter));
  a.SetResolution(150);
  tk::PrinterSetup b;
  b.SetSetupString(a.SetupString());
  EXPECT_EQ(b.PrinterName(), a.PrinterName());
  EXPECT_TRUE(b.PageLayout().isEquivalentTo(a.PageLayout()));
  EXPECT_EQ(b.PageLayout().pageSize().id(), QPageSize::Letter);
  EXPECT_EQ(b.HorizontalResolution(), 150);
  EXPECT_EQ(b.SetupString(), a.SetupString());

  tk::PrinterSetup custom;
  custom.SetPageLayout(
      QPageLayout(QPageSize(QSizeF(123.4, 56.7), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF(1, 2, 3, 4)));
  tk::PrinterSetup back;
  back.SetSetupString(custom.SetupString());
  EXPECT_TRUE(back.PageLayout().isEquivalentTo(custom.PageLayout()));
}

TEST(PrinterSetup, DamagedTextGivesDefaultsAndResolutionStaysSmall) {
  const tk::PrinterSetup fresh;
  EXPECT_EQ(fresh.HorizontalResolution(), 300);
  EXPECT_FALSE(fresh.PageLayout().isValid());
  for (const char* text : {"", ";;;", "page=9999;size=x", "page=126;size=-5,10;sizeunit=0",
                           "page=126;size=1e300,1e300;sizeunit=1", "size=nan,nan;sizeunit=0;dpi=abc",
                           "printer=%zz;orientation=7;margins=1,2;dpi="}) {
    SCOPED_TRACE(text);
    tk::PrinterSetup s;
    s.SetPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF()));
    s.SetSetupString(text);
    EXPECT_FALSE(s.PageLayout().isValid());
    EXPECT_EQ(s.HorizontalResolution(), 300);
  }
  // Margins that leave no paper are dropped, the paper is kept.
  tk::PrinterSetup wide;
  wide.SetSetupString("page=0;orientation=0;margins=200,0,200,0;marginunit=0");
  ASSERT_TRUE(wide.PageLayout().isValid());
  EXPECT_FALSE(wide.PageLayout().paintRect().isEmpty());

  tk::PrinterSetup fine;
  fine.SetSetupString("dpi=1200");
  EXPECT_LE(fine.HorizontalResolution(), tk::PrinterSetup::kMaxResolution);
  fine.SetSetupString("dpi=-3");
  EXPECT_EQ(fine.HorizontalResolution(), tk::PrinterSetup::kMinResolution);
}

TEST(PrinterGraphics, CopiesMoveFromThePrinterToTheProgramAndThePageIsThePaintArea) {
  tk::PrinterSetup setup;
  setup.SetPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(::testing::TempDir() + "unused.pdf"));
  setup.ApplyTo(*printer);
  printer->setCopyCount(3);
  QPrinter* raw = printer.get();
  auto g = tk::PrinterGraphics(std::move(printer));
  ASSERT_TRUE(g);
  EXPECT_EQ(g->Copies(), 3);
  EXPECT_EQ(raw->copyCount(), 1);
  EXPECT_EQ(raw->resolution(), 300);
  // The paintable area inside the margins at 300 dpi, about 190 mm x 277 mm.
  const QRect area = setup.PageLayout().paintRectPixels(300);
  EXPECT_EQ(g->Width(), area.width());
  EXPECT_EQ(g->Height(), area.height());
  EXPECT_NEAR(g->Width(), 190 / 25.4 * 300, 5);
  EXPECT_NEAR(g->Height(), 277 / 25.4 * 300, 5);
}

// --- The print routine ----------------------------------------------------------

class PrintImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::myPrinterSetup = nullptr;
    seam = std::make_shared<PrintSeam>();
    tk::SetDialogSeam(seam);
  }
  void TearDown() override {
    tk::SetDialogSeam(nullptr);
    Module1::myPrinterSetup = nullptr;
  }
  std::shared_ptr<PrintSeam> seam;
};

TEST_F(PrintImageTest, PageSetupOnlyAtTheFirstPrintOfTheRun) {
  seam->page = std::make_shared<tk::Picture>(100, 100, 32);
  seam->onPageSetup = [](tk::PrinterSetup& s) {
    s.SetPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF()));
  };
  auto picture = Blocks(40, 30, 10);
  EXPECT_TRUE(Module1::PrintImage(picture, true));
  EXPECT_TRUE(Module1::PrintImage(picture, true));
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "Print", "Print"}));
  ASSERT_TRUE(Module1::myPrinterSetup);
  // The settings kept are a new setup carrying what the dialog confirmed, and
  // the print dialog works on that one each time.
  EXPECT_NE(seam->setups[0], Module1::myPrinterSetup.get());
  EXPECT_EQ(seam->setups[1], Module1::myPrinterSetup.get());
  EXPECT_EQ(seam->setups[2], Module1::myPrinterSetup.get());
  EXPECT_EQ(Module1::myPrinterSetup->PageLayout().pageSize().id(), QPageSize::A5);
  EXPECT_EQ(Module1::myPrinterSetup->PageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintImageTest, CancelledDialogsReturnFalseAndPrintNothing) {
  seam->page = std::make_shared<tk::Picture>(100, 100, 32);
  auto picture = Blocks(40, 30, 10);

  seam->confirmPageSetup = false;
  EXPECT_FALSE(Module1::PrintImage(picture, true));
  EXPECT_FALSE(Module1::myPrinterSetup);
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup"}));

  // The next print asks for the page setup again.
  seam->confirmPageSetup = true;
  seam->confirmPrint = false;
  EXPECT_FALSE(Module1::PrintImage(picture, true));
  EXPECT_EQ(seam->shown, (std::vector<std::string>{"PageSetup", "PageSetup", "Print"}));
  auto kept = Module1::myPrinterSetup;
  EXPECT_TRUE(kept);

  // A cancelled print dialog leaves the page settings of the run in place.
  EXPECT_FALSE(Module1::PrintImage(picture, true));
  EXPECT_EQ(Module1::myPrinterSetup, kept);
  EXPECT_EQ(seam->shown.back(), "Print");
  EXPECT_EQ(seam->shown.size(), 4u);
  EXPECT_EQ(Colours(*seam->page), (std::set<tk::Color>{0xFFFFFF}));
}

TEST_F(PrintImageTest, At72DpiThePictureIsFittedAndCentredWithoutRescaling) {
  seam->onPageSetup = [](tk::PrinterSetup& s) { s.SetResolution(72); };
  seam->page = std::make_shared<tk::Picture>(1000, 1000, 32);
  auto picture = Blocks(576, 756, 12);
  const QImage before = picture->Image().copy();
  ASSERT_TRUE(Module1::PrintImage(picture, true));
  EXPECT_EQ(picture->Image(), before);

  // Drawn at (119.99, 1.24), 760.02 x 997.53: pixels whose centre lies inside.
  auto px = seam->page->RGBSurface();
  EXPECT_EQ(px.Pixel(119, 500), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(120, 500), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(879, 500), 0xFFFFFFu);
  EXPECT_EQ(px.Pixel(880, 500), 0xFFFFFFu);
  EXPECT_EQ(px.Pixel(500, 0), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(500, 1), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(500, 998), 0xFFFFFFu);
  EXPECT_EQ(px.Pixel(500, 999), 0xFFFFFFu);
  // Enlarged by about a third without blurring the block edges.
  EXPECT_EQ(Colours(*seam->page), (std::set<tk::Color>{0xFFFFFF, 0x000000, kBlue}));
}

TEST_F(PrintImageTest, AtThePrinterResolutionThePictureIsRescaledFirst) {
  // 576 x 756 at 300 dpi is 2400 x 3150: as wide as this page, so it is drawn
  // at that size, centred vertically.
  seam->page = std::make_shared<tk::Picture>(2400, 3300, 32);
  ASSERT_TRUE(Module1::PrintImage(Blocks(576, 756, 12), true));
  ASSERT_EQ(Module1::myPrinterSetup->HorizontalResolution(), 300);
  auto px = seam->page->RGBSurface();
  EXPECT_EQ(px.Pixel(1200, 74), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(1200, 75), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(0, 75), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(2399, 3224), 0xFFFFFFu);
  EXPECT_EQ(px.Pixel(1200, 3225), 0xFFFFFFu);
  EXPECT_EQ(Colours(*seam->page), (std::set<tk::Color>{0xFFFFFF, 0x000000, kBlue}));
}

TEST_F(PrintImageTest, WithoutFitThePictureKeepsItsSize) {
  seam->onPageSetup = [](tk::PrinterSetup& s) { s.SetResolution(72); };
  seam->page = std::make_shared<tk::Picture>(100, 100, 32);
  ASSERT_TRUE(Module1::PrintImage(Blocks(40, 20, 10), false));
  auto px = seam->page->RGBSurface();
  // At (30, 40), 40 x 20.
  EXPECT_EQ(px.Pixel(29, 50), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(30, 50), 0xFFFFFFu);
  EXPECT_NE(px.Pixel(69, 59), 0xFFFFFFu);
  EXPECT_EQ(px.Pixel(70, 60), 0xFFFFFFu);
}
