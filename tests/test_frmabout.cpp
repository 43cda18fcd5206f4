// The About window: it opens modally from the main windows' menus, shows the
// product name, the application's version and rights notice and the two
// pictures, closes by its button, Return, Escape or the close box, and
// touches no setting.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <string>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "render/Pictures.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmAbout.h"
#include "ui/frmBasic.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Canvas.h"
#include "ui/toolkit/FolderItem.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"

// Qt's own entry for a key from the window system (what its test library
// uses); exported by QtGui.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {

std::filesystem::path IniPath() {
  return std::filesystem::path(tk::SpecialFolder::Preferences()->NativePath()) / "OxlTarnwickLanes" /
         "TarnwickLanes.ini";
}

// A key pressed and released on the window, delivered as the window system
// delivers a user's key, so window shortcuts see it.
void PressKey(tk::Window& w, Qt::Key key) {
  QWindow* handle = w.Widget()->windowHandle();
  ASSERT_NE(handle, nullptr);
  // Let the window become the active one first: window keys go to it only.
  tk::ProcessEvents();
  qt_handleKeyEvent(handle, QEvent::KeyPress, key, Qt::NoModifier);
  qt_handleKeyEvent(handle, QEvent::KeyRelease, key, Qt::NoModifier);
  tk::ProcessEvents();
}

class AboutWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dialogs = FakeDialogs::Install();
    std::filesystem::remove(IniPath());
    Module1::myINI = nullptr;
    App::App_()->BasicPro = 0;
    Module1::Initialize();
  }
  void TearDown() override {
    tk::CloseAllWindows();
    tk::ProcessEvents();
  }
  // Chooses "About..." in main; drive runs while the window is shown.
  void OpenAboutFromMenu(tk::Window& main, std::function<void(frmAbout::frmAbout&)> drive) {
    dialogs->modalHandlers.push_back([drive](tk::Window& w) {
      auto* about = dynamic_cast<frmAbout::frmAbout*>(&w);
      ASSERT_NE(about, nullptr);
      drive(*about);
    });
    EXPECT_TRUE(main.DoMenuCommand("FileAbout"));
    EXPECT_EQ(dialogs->modalWindows.back(), "frmAbout.frmAbout");
  }
  std::shared_ptr<FakeDialogs> dialogs;
};

TEST_F(AboutWindow, ShowsNameVersionNoticeAndPicturesAndLooksFinished) {
  auto app = App::App_();
  OpenAboutFromMenu(*frmBasic::frmBasic_(), [&](frmAbout::frmAbout& w) {
    EXPECT_TRUE(w.IsShown());
    EXPECT_EQ(w.lblVersion()->Text(), std::string("Version ") + TARNWICK_VERSION);
    EXPECT_EQ(w.lblCopyright()->Text(), app->LongVersion());
    EXPECT_FALSE(w.lblCopyright()->Text().empty());

    ASSERT_NE(Pictures::OxlLogo3x2(), nullptr);
    ASSERT_NE(Pictures::MazeIcon128(), nullptr);
    EXPECT_EQ(w.Canvas1()->Backdrop(), Pictures::OxlLogo3x2());
    EXPECT_EQ(w.Canvas2()->Backdrop(), Pictures::MazeIcon128());
    // The pictures fill their canvases: the icon 128 x 128, the logo 214 x 54.
    EXPECT_EQ(w.Canvas2()->Backdrop()->Width(), w.Canvas2()->Width());
    EXPECT_EQ(w.Canvas2()->Backdrop()->Height(), w.Canvas2()->Height());
    EXPECT_LE(w.Canvas1()->Backdrop()->Width(), w.Canvas1()->Width());
    EXPECT_LE(w.Canvas1()->Backdrop()->Height(), w.Canvas1()->Height());

    // Every control lies inside the window and no two meet.
    const auto& controls = w.Controls_();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const auto& a = controls[i];
      EXPECT_LE(a->Left() + a->Width(), w.Width()) << a->Name();
      EXPECT_LE(a->Top() + a->Height(), w.Height()) << a->Name();
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const auto& b = controls[j];
        const bool apart = a->Left() + a->Width() <= b->Left() || b->Left() + b->Width() <= a->Left() ||
                           a->Top() + a->Height() <= b->Top() || b->Top() + b->Height() <= a->Top();
        EXPECT_TRUE(apart) << a->Name() << " meets " << b->Name();
      }
    }

    const QImage shot = w.Grab();
    ASSERT_FALSE(shot.isNull());
    shot.save(QString::fromStdString((testpaths::Screenshots() / "frmAbout.png").string()));
    // The maze icon is drawn, not left blank: its area is not one colour.
    const QImage icon =
        shot.copy(w.Canvas2()->Widget()->geometry().translated(w.Content()->mapTo(w.Widget(), QPoint(0, 0))));
    bool varied = false;
    for (int y = 0; y < icon.height() && !varied; y += 4)
      for (int x = 0; x < icon.width() && !varied; x += 4) varied = icon.pixel(x, y) != icon.pixel(0, 0);
    EXPECT_TRUE(varied);
  });
  EXPECT_EQ(tk::FindImplicitWindow("frmAbout.frmAbout"), nullptr);
}

TEST_F(AboutWindow, ReturnEscapeButtonAndCloseBoxEachCloseIt) {
  auto basic = frmBasic::frmBasic_();
  int closedBy = 0;
  auto expectClosedBy = [&](std::function<void(frmAbout::frmAbout&)> how) {
    OpenAboutFromMenu(*basic, [&](frmAbout::frmAbout& w) {
      how(w);
      EXPECT_FALSE(w.IsOpen());
      if (!w.IsOpen()) ++closedBy;
    });
    EXPECT_EQ(tk::FindImplicitWindow("frmAbout.frmAbout"), nullptr);
  };
  expectClosedBy([](frmAbout::frmAbout& w) { PressKey(w, Qt::Key_Return); });
  expectClosedBy([](frmAbout::frmAbout& w) { PressKey(w, Qt::Key_Escape); });
  expectClosedBy([](frmAbout::frmAbout& w) { w.PushButton1()->Push(); });
  expectClosedBy([](frmAbout::frmAbout& w) { w.CloseBox_(); });
  EXPECT_EQ(closedBy, 4);
  // The main window under it is still there, and no setting was written.
  EXPECT_TRUE(basic->IsOpen());
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
}

TEST_F(AboutWindow, EachOpeningIsANewWindowWithTheSameTextsAndPictures) {
  std::string version, notice;
  std::shared_ptr<tk::Picture> logo, icon;
  std::weak_ptr<tk::Window> first;
  OpenAboutFromMenu(*frmBasic::frmBasic_(), [&](frmAbout::frmAbout& w) {
    first = w.shared_from_this();
    version = w.lblVersion()->Text();
    notice = w.lblCopyright()->Text();
    logo = w.Canvas1()->Backdrop();
    icon = w.Canvas2()->Backdrop();
  });
  const int logoOpens = Pictures::OpenCount("OxlLogo3x2.bmp");
  const int iconOpens = Pictures::OpenCount("MazeIcon128.bmp");
  EXPECT_GE(logoOpens, 1);
  tk::ProcessEvents();
  EXPECT_EQ(tk::FindImplicitWindow("frmAbout.frmAbout"), nullptr);

  // The advanced window's menu opens it as well.
  auto pro = frmPro::frmPro_();
  OpenAboutFromMenu(*pro, [&](frmAbout::frmAbout& w) {
    // The first window ended when it closed; this one is new.
    EXPECT_TRUE(first.expired());
    EXPECT_EQ(w.lblVersion()->Text(), version);
    EXPECT_EQ(w.lblCopyright()->Text(), notice);
    EXPECT_EQ(w.Canvas1()->Backdrop(), logo);
    EXPECT_EQ(w.Canvas2()->Backdrop(), icon);
  });
  EXPECT_EQ(Pictures::OpenCount("OxlLogo3x2.bmp"), logoOpens);
  EXPECT_EQ(Pictures::OpenCount("MazeIcon128.bmp"), iconOpens);
  EXPECT_EQ(dialogs->Count("Modal"), 2);
}

}  // namespace
