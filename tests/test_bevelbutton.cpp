// Bevel buttons of both main windows, looked at pixel by pixel: icons keep
// their own pixels, and the difficulty buttons' icons share a centre line.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <string>

#include "UiTestSupport.h"
#include "ui/App.h"
#include "ui/frmBasic.h"
#include "ui/frmPro.h"
#include "ui/toolkit/BevelButton.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"

namespace {

QImage Shot(const tk::BevelButton& b) {
  return b.Widget()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The icon must appear unscaled, centred across the button with its top at
// IconDY, exactly as the picture shows over the button's face.
void ExpectIconPixelForPixel(const tk::BevelButton& b) {
  SCOPED_TRACE(b.Caption());
  const QImage shot = Shot(b);
  ASSERT_EQ(shot.size(), QSize(b.Width(), b.Height()));
  const QImage icon = b.Icon()->DisplayImage();
  QImage expected(icon.size(), QImage::Format_ARGB32_Premultiplied);
  expected.fill(b.Widget()->palette().color(QPalette::Button));
  {
    QPainter p(&expected);
    p.drawImage(0, 0, icon);
  }
  expected = expected.convertToFormat(QImage::Format_ARGB32);
  const int left = (b.Width() - icon.width()) / 2, top = b.IconDY();
  int wrong = 0;
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x) wrong += shot.pixel(left + x, top + y) != expected.pixel(x, y);
  EXPECT_EQ(wrong, 0) << "of " << icon.width() * icon.height() << " icon pixels differ";
}

// The vertical centre of the dark pixels of the icon: the first band of rows
// holding dark pixels, inside the frame (the caption lies further down).
double DarkCentre(const tk::BevelButton& b) {
  const QImage shot = Shot(b);
  int first = -1, last = -1;
  for (int y = 2; y < shot.height() - 2; ++y) {
    bool dark = false;
    for (int x = 2; x < shot.width() - 2 && !dark; ++x) dark = qGray(shot.pixel(x, y)) < 100;
    if (dark && first < 0) first = y;
    if (dark) last = y;
    if (!dark && first >= 0) break;
  }
  EXPECT_GE(first, 0) << b.Caption();
  return (first + last) / 2.0;
}

TEST(BevelButtons, IconsKeepTheirPixelsAndTheDifficultyIconsShareACentreLine) {
  uitest::ResetRun();
  App::App_()->Event_Open();
  auto basic = frmBasic::frmBasic_();
  basic->Show();
  tk::ProcessEvents();
  ExpectIconPixelForPixel(*basic->BevelButton2());  // 132 x 132, Print
  ExpectIconPixelForPixel(*basic->BevelButton4());  // 132 x 132, Quit
  ExpectIconPixelForPixel(*basic->BevelButton7());  // 60 x 80, Harder
  ExpectIconPixelForPixel(*basic->BevelButton8());  // 60 x 80, Easier
  EXPECT_NEAR(DarkCentre(*basic->BevelButton8()), DarkCentre(*basic->BevelButton7()), 1.0);

  uitest::ResetRun();
  uitest::WritePrefs("[Startup]\nBasicPro=1\n");
  App::App_()->Event_Open();
  auto pro = frmPro::frmPro_();
  pro->Show();
  tk::ProcessEvents();
  // The four 100 x 100 buttons with their 64-pixel icons.
  for (const auto& b :
       {pro->btnFindSolution(), pro->BevelButton3(), pro->BevelButton2(), pro->BevelButton4()})
    ExpectIconPixelForPixel(*b);
  uitest::ResetRun();
}

}  // namespace
