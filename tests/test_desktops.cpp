// The windows on the desktops people run: a screen scaled by 2, a dark
// theme, a larger desktop font. Screenshots of each go to the build tree.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/frmAbout.h"
#include "ui/frmBasic.h"
#include "ui/frmPrefs.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"

namespace {

// The widget as a screen with `ratio` device pixels to the point shows it.
QImage RenderAt(QWidget* w, double ratio) {
  QImage shot(int(w->width() * ratio), int(w->height() * ratio), QImage::Format_ARGB32_Premultiplied);
  shot.setDevicePixelRatio(ratio);
  shot.fill(Qt::red);
  w->render(&shot);
  shot.setDevicePixelRatio(1);
  return shot.convertToFormat(QImage::Format_RGB32);
}

void Save(const QImage& shot, const std::string& name) {
  shot.save(QString::fromStdString((testpaths::Screenshots() / name).string()));
}

struct Sharpness {
  double spread;    // grey pixels per change between dark and light, along the rows
  double mismatch;  // share of pixels far from the expected ones
};

// How sharply `shot` shows the picture `expected` (the same size, hard-edged).
Sharpness Compare(const QImage& shot, const QImage& expected) {
  long greys = 0, changes = 0, far = 0, all = 0;
  // The one-pixel frame of the view is left out.
  for (int y = 4; y < shot.height() - 4; ++y) {
    int last = -1;
    for (int x = 4; x < shot.width() - 4; ++x) {
      const int g = qGray(shot.pixel(x, y));
      if (g > 40 && g < 215) ++greys;
      const int dark = g < 128;
      if (last >= 0 && dark != last) ++changes;
      last = dark;
      const QRgb a = shot.pixel(x, y), b = expected.pixel(x, y);
      const int diff = std::max(
          {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
      far += diff > 96;
      ++all;
    }
  }
  return {changes ? double(greys) / double(changes) : 0.0, double(far) / double(all)};
}

// A control's text, and a way to change it, for the controls that show one.
struct Text {
  std::string text;
  std::function<void(const std::string&)> set;
};
std::optional<Text> TextOf(tk::Control& c) {
  if (auto* l = dynamic_cast<tk::Label*>(&c))
    return Text{l->Text(), [l](const std::string& t) { l->SetText(t); }};
  if (auto* b = dynamic_cast<tk::BevelButton*>(&c))
    return Text{b->Caption(), [b](const std::string& t) { b->SetCaption(t); }};
  if (auto* b = dynamic_cast<tk::PushButton*>(&c))
    return Text{b->Caption(), [b](const std::string& t) { b->SetCaption(t); }};
  if (auto* b = dynamic_cast<tk::RadioButton*>(&c))
    return Text{b->Caption(), [b](const std::string& t) { b->SetCaption(t); }};
  if (auto* g = dynamic_cast<tk::GroupBox*>(&c))
    return Text{g->Caption(), [g](const std::string& t) { g->SetCaption(t); }};
  return std::nullopt;
}

// Contrast ratio of two colours (1 to 21) as readability guidelines count it.
double Contrast(QRgb a, QRgb b) {
  auto luminance = [](QRgb c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a control's text on what lies under it: the control shown
// with and without its text; the pixels that the text changes, the strongest
// of them (the inside of the letters) against the same pixel without text.
double TextContrast(tk::Control& c, Text& t) {
  const QImage with = c.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  t.set("");
  const QImage without = c.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  t.set(t.text);
  double best = 1;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y))
        best = std::max(best, Contrast(with.pixel(x, y), without.pixel(x, y)));
  return best;
}

// The four windows of the program, shown: the simple and the advanced main
// window, Preferences and About.
std::vector<std::shared_ptr<tk::Window>> OpenAllWindows() {
  uitest::ResetRun();
  FakeDialogs::Install();
  App::App_()->Event_Open();
  std::vector<std::shared_ptr<tk::Window>> all{frmBasic::frmBasic_()};
  // The advanced window beside it, as a run that starts with it has it.
  App::App_()->BasicPro = 1;
  all.push_back(frmPro::frmPro_());
  all.push_back(frmPrefs::frmPrefs_());
  all.push_back(frmAbout::frmAbout_());
  for (const auto& w : all) w->Show();
  tk::ProcessEvents();
  return all;
}

// The box around the letters of a control's text, as it shows them: the
// text drawn in magenta, and the magenta pixels that are not there without
// the text.
QRect LetterBox(tk::Control& c, Text& t) {
  QWidget* w = c.Widget();
  QPalette ink = w->palette();
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    ink.setColor(role, Qt::magenta);
  w->setPalette(ink);
  const QImage with = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  t.set("");
  const QImage without = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  t.set(t.text);
  w->setPalette(QPalette());
  QRect box;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x) {
      const QRgb p = with.pixel(x, y);
      const bool magenta = qRed(p) - qGreen(p) > 60 && qBlue(p) - qGreen(p) > 60;
      if (magenta && p != without.pixel(x, y)) box |= QRect(x, y, 1, 1);
    }
  return box;
}

class Desktops : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
  }
  void TearDown() override { uitest::ResetRun(); }
  std::shared_ptr<FakeDialogs> dialogs;
};

TEST_F(Desktops, OnAScaledScreenTheMazeViewIsDrawnAtTheScreensPixels) {
  auto check = [](tk::Canvas& canvas, const std::string& name, double ratio) {
    const std::string at = name + "-maze-at-" + (ratio == 2 ? "2x" : "1.5x");
    SCOPED_TRACE(at);
    canvas.RepaintNow();
    const QImage oneX = Module1::myDrawing->Image().copy();
    const QImage fine = RenderAt(canvas.Widget(), ratio);
    Save(fine, at + ".png");
    // The saved and printed picture is the one of an unscaled screen.
    ASSERT_EQ(Module1::myDrawing->Width(), 576);
    ASSERT_EQ(Module1::myDrawing->Height(), 756);
    EXPECT_TRUE(Module1::myDrawing->Image() == oneX);
    const QImage expected = oneX.copy(0, 0, int(Module1::maxW), int(Module1::maxH))
                                .scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    // As sharp as the same view on an unscaled screen: edges as narrow, and
    // the walls and marks where the picture has them.
    const QImage plain = RenderAt(canvas.Widget(), 1);
    const Sharpness fineSharpness = Compare(fine, expected);
    const Sharpness at1 =
        Compare(plain, oneX.copy(0, 0, int(Module1::maxW), int(Module1::maxH))
                           .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           .convertToFormat(QImage::Format_RGB32));
    EXPECT_LT(fineSharpness.spread, 1.4 * at1.spread) << "grey pixels per edge, at 1x " << at1.spread;
    EXPECT_LE(fineSharpness.mismatch, at1.mismatch) << "share of pixels off, at 1x " << at1.mismatch;
  };

  for (const auto& w : OpenAllWindows())
    Save(RenderAt(w->Widget(), 2), w->ClassName_().substr(0, w->ClassName_().find('.')) + "-2x.png");

  // The simple window, solid black walls.
  uitest::ResetRun();
  uitest::WritePrefs("[Basic]\nIcon=1\n");
  App::App_()->Event_Open();
  auto basic = frmBasic::frmBasic_();
  basic->Show();
  tk::ProcessEvents();
  for (double ratio : {2.0, 1.5}) check(*basic->Canvas1(), "frmBasic", ratio);

  // A picture design at 1.5: every wall cell shows the design scaled
  // straight to the cell's size at the screen's pixels (45 or 46 across),
  // never a tile of another size scaled once more.
  Module1::myImageIndex = 9;
  basic->Canvas1()->RepaintNow();
  const QImage fine = RenderAt(basic->Canvas1()->Widget(), 1.5);
  const auto tile = Module1::Transparent(Module1::myPicts[9]);
  const double kx = fine.width() / double(Module1::maxW), ky = fine.height() / double(Module1::maxH);
  const std::int64_t cw = Module1::maxW / Module1::MAZE_X, ch = Module1::maxH / Module1::MAZE_Y;
  int walls = 0;
  for (std::int64_t x = 1; x <= Module1::MAZE_X; ++x)
    for (std::int64_t y = 1; y <= Module1::MAZE_Y; ++y) {
      // The edge cells lie under the frame.
      const bool edge = x == 1 || y == 1 || x == Module1::MAZE_X || y == Module1::MAZE_Y;
      if (Module1::blnMaze(x, y) || edge) continue;
      const int left = int(std::lround((x - 1) * cw * kx)), top = int(std::lround((y - 1) * ch * ky));
      const int w = int(std::lround(x * cw * kx)) - left, h = int(std::lround(y * ch * ky)) - top;
      QImage laid(w, h, QImage::Format_ARGB32_Premultiplied);
      laid.fill(Qt::white);
      QPainter(&laid).drawImage(0, 0,
                                tile->Image().scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      ASSERT_TRUE(fine.copy(left, top, w, h) == laid.convertToFormat(QImage::Format_RGB32))
          << "cell (" << x << ", " << y << ") of " << w << " x " << h;
      ++walls;
    }
  EXPECT_GT(walls, 100);

  // The advanced window at 151 x 151 during a search: the searched cells
  // are three pixels wide. Every exit lies at least 148 steps away.
  uitest::ResetRun();
  uitest::WritePrefs("[Startup]\nBasicPro=1\n[Pro]\nWidth=150\nHeight=150\nIcon=1\n");
  App::App_()->Event_Open();
  auto pro = frmPro::frmPro_();
  pro->Show();
  tk::ProcessEvents();
  pro->btnFindSolution()->Push();
  pro->PathTimer()->SetMode(0);
  for (int i = 0; i < 140; ++i) PathFind::DoOneSearchStep();
  ASSERT_TRUE(PathFind::FindingSolution);
  for (double ratio : {2.0, 1.5}) check(*pro->Canvas1(), "frmPro-searching", ratio);
}

TEST_F(Desktops, UnderADarkThemeEveryTextReadsOnItsBackground) {
  const QPalette saved = QApplication::palette();
  // The colours of a common dark desktop theme.
  QPalette dark;
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase})
    dark.setColor(role, QColor(0x35, 0x35, 0x35));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
    dark.setColor(role, QColor(0xee, 0xee, 0xec));
  dark.setColor(QPalette::Mid, QColor(0x20, 0x20, 0x20));
  dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
  dark.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
  QApplication::setPalette(dark);

  for (const auto& w : OpenAllWindows()) {
    SCOPED_TRACE(w->ClassName_());
    Save(w->Grab(), w->ClassName_().substr(0, w->ClassName_().find('.')) + "-dark.png");
    int texts = 0;
    for (const auto& c : w->Controls_()) {
      auto t = TextOf(*c);
      if (!t || t->text.empty() || !c->Visible()) continue;
      ++texts;
      EXPECT_GE(TextContrast(*c, *t), 4.5) << c->Name() << " \"" << t->text << "\"";
    }
    EXPECT_GE(texts, 3);
  }
  uitest::ResetRun();
  QApplication::setPalette(saved);
}

TEST_F(Desktops, AtALargerDesktopFontEveryCaptionStaysWholeInItsButton) {
  const QFont saved = QApplication::font();
  for (double points : {12.0, 14.0}) {
    QFont large = saved;
    large.setPointSizeF(points);
    QApplication::setFont(large);
    for (const auto& w : OpenAllWindows()) {
      const std::string kind = w->ClassName_().substr(0, w->ClassName_().find('.'));
      SCOPED_TRACE(kind + " at " + std::to_string(int(points)) + " pt");
      if (points == 14.0) Save(w->Grab(), kind + "-14pt.png");
      for (const auto& c : w->Controls_()) {
        auto t = TextOf(*c);
        const bool button = dynamic_cast<tk::BevelButton*>(c.get()) ||
                            dynamic_cast<tk::PushButton*>(c.get()) || dynamic_cast<tk::RadioButton*>(c.get());
        if (!t || t->text.empty() || !c->Visible() || !button) continue;
        // Whole: none of it on the button's edge, where a cut caption ends.
        const QRect box = LetterBox(*c, *t);
        const QRect inside = c->Widget()->rect().adjusted(3, 1, -3, -1);
        EXPECT_TRUE(inside.contains(box))
            << c->Name() << " \"" << t->text << "\": text at (" << box.left() << ", " << box.top() << ") to ("
            << box.right() << ", " << box.bottom() << ") in " << c->Width() << " x " << c->Height();
        EXPECT_GE(box.width(), 6) << c->Name();
      }
    }
  }
  uitest::ResetRun();
  QApplication::setFont(saved);
}

}  // namespace
