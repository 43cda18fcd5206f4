// Printing end to end through the real printing path into PDF files: one
// page per copy, the confirmed page settings on the paper.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "PrintSeam.h"
#include "render/Print.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Printer.h"

namespace {

std::shared_ptr<tk::Picture> Maze() {
  auto p = std::make_shared<tk::Picture>(576, 756, 32);
  auto g = p->Graphics();
  g->SetForeColor(0x000000);
  for (int x = 0; x < 576; x += 32) g->FillRect(x, 0, 16, 756);
  return p;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class PrintPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Module1::myPrinterSetup = nullptr;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    pdf = std::filesystem::path(::testing::TempDir()) / (std::string("print-") + info->name() + ".pdf");
    std::filesystem::remove(pdf);
    seam = std::make_shared<PrintSeam>();
    seam->pdfPath = pdf.string();
    tk::SetDialogSeam(seam);
  }
  void TearDown() override {
    tk::SetDialogSeam(nullptr);
    Module1::myPrinterSetup = nullptr;
    std::filesystem::remove(pdf);
  }
  std::filesystem::path pdf;
  std::shared_ptr<PrintSeam> seam;
};

}  // namespace

TEST_F(PrintPdfTest, OneCopyPrintsOnePage) {
  seam->copies = 1;
  ASSERT_TRUE(Module1::PrintImage(Maze(), true));
  EXPECT_EQ(PdfPageCount(pdf.string()), 1);
}

TEST_F(PrintPdfTest, ThreeCopiesPrintThreePagesAndNoMore) {
  seam->copies = 3;
  ASSERT_TRUE(Module1::PrintImage(Maze(), true));
  EXPECT_EQ(PdfPageCount(pdf.string()), 3);
  // The page tree agrees with the page objects counted.
  const std::string text = ReadAll(pdf);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, std::regex("/Type /Pages[^>]*/Count (\\d+)")));
  EXPECT_EQ(m[1], "3");
}

TEST_F(PrintPdfTest, NoCopiesPrintNothingAndStillSucceed) {
  seam->copies = 0;
  EXPECT_TRUE(Module1::PrintImage(Maze(), true));
  EXPECT_EQ(PdfPageCount(pdf.string()), 0);
}

TEST_F(PrintPdfTest, ConfirmedPageSettingsReachThePaper) {
  seam->onPageSetup = [](tk::PrinterSetup& s) {
    s.SetPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                QMarginsF(12, 12, 12, 12), QPageLayout::Point));
  };
  ASSERT_TRUE(Module1::PrintImage(Maze(), true));
  ASSERT_TRUE(Module1::PrintImage(Maze(), true));  // the second print reuses them
  const std::string text = ReadAll(pdf);
  // Letter turned sideways: 11 x 8.5 inches.
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, std::regex("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")));
  EXPECT_NEAR(std::stod(m[1]), 792, 0.5);
  EXPECT_NEAR(std::stod(m[2]), 612, 0.5);
}
