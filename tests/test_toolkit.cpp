// The toolkit's windows layer: window building and closing, implicit
// instances, controls and their events, repaint gathering, timers, menus,
// the dialog seam and the guard against escaping exceptions.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeySequence>
#include <QSlider>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "UiTestSupport.h"
#include "ui/toolkit/Application.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/FileType.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/Runtime.h"

// Qt's own entry for a key from the window system (what its test library
// uses); exported by QtGui.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {

std::vector<std::string> events;

std::shared_ptr<tk::MenuBar> TestMenuBar() {
  auto bar = std::make_shared<tk::MenuBar>();
  auto file = std::make_shared<tk::MenuItem>();
  file->Name = "FileMenu";
  file->Text = "&File";
  bar->Append(file);
  auto about = std::make_shared<tk::ApplicationMenuItem>();
  about->Name = "FileAbout";
  about->Text = "About...";
  bar->Child("FileMenu")->Append(about);
  auto quit = std::make_shared<tk::QuitMenuItem>();
  quit->Name = "FileQuit";
  quit->Text = "&Quit";
  quit->KeyboardShortcut = "Cmd+Q";
  bar->Child("FileMenu")->Append(quit);
  auto edit = std::make_shared<tk::MenuItem>();
  edit->Name = "EditMenu";
  edit->Text = "&Edit";
  bar->Append(edit);
  auto clear = std::make_shared<tk::MenuItem>();
  clear->Name = "mnuClear";
  clear->Text = "Clear";
  bar->Child("EditMenu")->Append(clear);
  return bar;
}

class TestWindow;
std::shared_ptr<TestWindow> TestWindow_();
int windowsMade = 0;

class TestWindow : public tk::Window {
 public:
  TestWindow() { ++windowsMade; }

  bool clearAllowed = false;
  bool openRan = false;
  int closes = 0;
  int aboutChosen = 0;
  TestWindow* seenDuringOpen = nullptr;
  bool paintedBeforeOpen = false;

  std::shared_ptr<tk::Slider> Slider1() const { return ControlAs_<tk::Slider>("Slider1"); }
  std::shared_ptr<tk::Canvas> Canvas1() const { return ControlAs_<tk::Canvas>("Canvas1"); }
  std::shared_ptr<tk::BevelButton> BevelButton1() const {
    return ControlAs_<tk::BevelButton>("BevelButton1");
  }
  std::shared_ptr<tk::Timer> Timer1() const { return ControlAs_<tk::Timer>("Timer1"); }

  void Layout() override {
    events.push_back("Layout");
    SetMenuBar(TestMenuBar());
    Apply(
        {{"Title", "Test Window"}, {"Width", 300}, {"Height", 200}, {"Resizeable", false}, {"Placement", 2}});
  }
  void CreateControls() override {
    events.push_back("CreateControls");
    AddControl_(std::make_shared<tk::Canvas>(*this), "Canvas1");
    Canvas1()->Apply({{"Left", 0}, {"Top", 0}, {"Width", 120}, {"Height", 100}});
    Canvas1()->Paint = [this](tk::Canvas&, tk::Graphics& g, const std::vector<tk::Rect>&) {
      if (!openRan) paintedBeforeOpen = true;
      g.SetForeColor(0xFF0000);
      g.FillRect(0, 0, g.Width(), g.Height());
    };
    Canvas1()->Open = [](tk::Canvas&) { events.push_back("Canvas1.Open"); };

    AddControl_(std::make_shared<tk::Slider>(*this), "Slider1");
    Slider1()->Apply({{"Left", 130},
                      {"Top", 10},
                      {"Width", 150},
                      {"Height", 23},
                      {"Minimum", 17},
                      {"Maximum", 90},
                      {"Value", 18},
                      {"LiveScroll", true}});
    Slider1()->ValueChanged = [](tk::Slider& s) {
      events.push_back("ValueChanged " + std::to_string(s.Value()));
    };

    AddControl_(std::make_shared<tk::BevelButton>(*this), "BevelButton1");
    BevelButton1()->Apply(
        {{"Left", 130}, {"Top", 50}, {"Width", 80}, {"Height", 80}, {"Caption", "&Go"}, {"IconDY", 5}});
    BevelButton1()->Action = [](tk::BevelButton&) { events.push_back("Action"); };

    AddControl_(std::make_shared<tk::Timer>(*this), "Timer1");
    Timer1()->Apply({{"Mode", 0}, {"Period", 1}});
  }
  void AddMenuHandlers(tk::Window& w) override {
    events.push_back("AddMenuHandlers");
    auto& self = static_cast<TestWindow&>(w);
    w.AddMenuHandler_("FileAbout", [&self] {
      ++self.aboutChosen;
      return true;
    });
    w.AddMenuHandler_("mnuClear", [] { return true; });
  }
  void Event_Open() override {
    events.push_back("Open");
    seenDuringOpen = TestWindow_().get();
    openRan = true;
  }
  void Event_Close() override {
    events.push_back("Close");
    ++closes;
  }
  void Event_EnableMenuItems() override { MenuItemAs_<tk::MenuItem>("mnuClear")->Enabled = clearAllowed; }
};

std::shared_ptr<TestWindow> TestWindow_() { return tk::ImplicitWindow<TestWindow>("TestWindow.TestWindow"); }

class Toolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    dialogs = FakeDialogs::Install();
    events.clear();
    windowsMade = 0;
    tk::SetApplication(std::make_shared<tk::Application>());
  }
  void TearDown() override {
    tk::CloseAllWindows();
    tk::ProcessEvents();
  }
  std::shared_ptr<FakeDialogs> dialogs;
};

QColor PixelOf(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

}  // namespace

TEST_F(Toolkit, WindowIsBuiltInHookOrderAndOpensBeforeItsFirstPaint) {
  auto w = TestWindow_();
  const std::vector<std::string> expected = {"Layout", "CreateControls", "AddMenuHandlers", "Canvas1.Open",
                                             "Open"};
  EXPECT_EQ(events, expected);
  w->Show();
  w->Canvas1()->RepaintNow();
  EXPECT_GE(w->Canvas1()->PaintCount_(), 1);
  EXPECT_FALSE(w->paintedBeforeOpen);
  EXPECT_EQ(w->Title(), "Test Window");
}

TEST_F(Toolkit, AccessorReturnsTheOneWindowAlsoDuringOpenAndANewOneAfterClose) {
  auto w = TestWindow_();
  EXPECT_EQ(w->seenDuringOpen, w.get());
  EXPECT_EQ(TestWindow_(), w);
  EXPECT_EQ(windowsMade, 1);
  EXPECT_EQ(w->Slider1(), w->Slider1());

  w->Close();
  EXPECT_FALSE(w->IsOpen());
  EXPECT_EQ(w->closes, 1);
  auto again = TestWindow_();
  EXPECT_NE(again, w);
  EXPECT_EQ(windowsMade, 2);
  EXPECT_TRUE(again->openRan);
}

TEST_F(Toolkit, CloseRunsTheCloseEventOnceWhicheverWayTheWindowCloses) {
  auto w = TestWindow_();
  w->Show();
  w->Widget()->close();  // the close box
  EXPECT_EQ(w->closes, 1);
  w->Close();
  w->Widget();
  EXPECT_EQ(w->closes, 1);
  EXPECT_TRUE(tk::OpenWindows().empty());
  // A closed window's controls are gone: reaching for one is a nil object.
  EXPECT_THROW(w->Slider1(), tk::NilObjectException);
  tk::ProcessEvents();
}

TEST_F(Toolkit, ContentHasTheDesignSizeUnderTheMenuBarAndIsFixed) {
  auto w = TestWindow_();
  w->Show();
  tk::ProcessEvents();
  EXPECT_EQ(w->Content()->width(), 300);
  EXPECT_EQ(w->Content()->height(), 200);
  ASSERT_NE(w->MenuView_(), nullptr);
  const QImage shot = w->Grab();
  EXPECT_EQ(shot.width(), 300);
  EXPECT_GT(shot.height(), 200);  // the menu bar lies above the content
  EXPECT_EQ(w->Widget()->minimumSize(), w->Widget()->maximumSize());
  // The canvas paints red at its design place, below the menu bar.
  const int menuHeight = shot.height() - 200;
  EXPECT_EQ(PixelOf(shot, 60, menuHeight + 50), QColor(255, 0, 0));
  EXPECT_NE(PixelOf(shot, 200, menuHeight + 180), QColor(255, 0, 0));
}

TEST_F(Toolkit, SliderClampsAndReportsEveryChangeAtOnce) {
  auto w = TestWindow_();
  auto s = w->Slider1();
  EXPECT_EQ(s->Value(), 18);
  events.clear();
  s->SetValue(23);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events.back(), "ValueChanged 23");
  s->SetValue(23);  // unchanged: nothing runs
  EXPECT_EQ(events.size(), 1u);
  s->SetValue(95);
  EXPECT_EQ(s->Value(), 90);
  EXPECT_EQ(events.back(), "ValueChanged 90");
  s->SetValue(-4);
  EXPECT_EQ(s->Value(), 17);
  // A new bound pulls the value inside.
  s->SetMinimum(40);
  EXPECT_EQ(s->Value(), 40);
  EXPECT_EQ(events.back(), "ValueChanged 40");
  // The user moving the widget counts as a change too.
  static_cast<QAbstractSlider*>(s->Widget())->setValue(55);
  EXPECT_EQ(s->Value(), 55);
  EXPECT_EQ(events.back(), "ValueChanged 55");
}

TEST_F(Toolkit, DesignValuesRunNoHandlerBoundAfterThem) {
  auto w = TestWindow_();
  // The design value 18 was applied before ValueChanged was bound.
  for (const auto& e : events) EXPECT_EQ(e.rfind("ValueChanged", 0), std::string::npos) << e;
  ASSERT_NE(w->Slider1()->DesignValue("Value"), nullptr);
  EXPECT_EQ(w->Slider1()->DesignValue("Value")->Int(), 18);
}

TEST_F(Toolkit, BevelButtonRunsItsActionOnlyWhileEnabled) {
  auto w = TestWindow_();
  w->Show();
  auto b = w->BevelButton1();
  events.clear();
  b->ClickAt_(40, 40);
  EXPECT_EQ(events, std::vector<std::string>{"Action"});
  b->SetEnabled(false);
  b->ClickAt_(40, 40);
  b->Push();
  EXPECT_EQ(events.size(), 1u);
  b->SetEnabled(true);
  b->SetVisible(false);
  b->Push();
  EXPECT_EQ(events.size(), 1u);
}

TEST_F(Toolkit, PicturesMarkedTransparentShowWhiteAsTransparent) {
  auto w = TestWindow_();
  w->Show();
  // An icon and a backdrop: white with a black centre.
  auto picture = std::make_shared<tk::Picture>(40, 40, 32);
  picture->Graphics()->SetForeColor(0x000000);
  picture->Graphics()->FillRect(10, 10, 20, 20);
  picture->SetTransparent(1);
  auto b = w->BevelButton1();
  b->SetIcon(picture);
  const QImage button = b->Widget()->grab().toImage();
  // 80 x 80 button, caption below: the 40 x 40 icon is centred above it.
  const int iconTop = 5 + (80 - 5 - (b->Widget()->fontMetrics().height() + 6) - 2 - 40) / 2;
  EXPECT_EQ(PixelOf(button, 40, iconTop + 20), QColor(0, 0, 0));
  EXPECT_NE(PixelOf(button, 40, iconTop + 3), QColor(255, 255, 255));

  auto c = w->Canvas1();
  c->Paint = nullptr;
  QPalette red;
  w->Content()->setAutoFillBackground(true);
  red.setColor(QPalette::Window, QColor(0, 0, 255));
  w->Content()->setPalette(red);
  c->SetBackdrop(picture);
  const QImage shot = w->Grab();
  const int top = shot.height() - 200;
  EXPECT_EQ(PixelOf(shot, 20, top + 20), QColor(0, 0, 0));
  EXPECT_EQ(PixelOf(shot, 3, top + 3), QColor(0, 0, 255));  // white let the window show
  picture->SetTransparent(0);
  c->SetBackdrop(picture);
  EXPECT_EQ(PixelOf(w->Grab(), 3, top + 3), QColor(255, 255, 255));
}

TEST_F(Toolkit, CanvasGathersRepaintRequestsIntoOnePaint) {
  auto w = TestWindow_();
  w->Show();
  tk::ProcessEvents();
  auto c = w->Canvas1();
  c->RepaintNow();
  const int before = c->PaintCount_();
  for (int i = 0; i < 200; ++i) c->Refresh(false);
  EXPECT_EQ(c->PaintCount_(), before);
  EXPECT_EQ(tk::PendingRefreshes(), 1);
  tk::FlushRefreshes();
  EXPECT_EQ(c->PaintCount_(), before + 1);
  EXPECT_EQ(tk::PendingRefreshes(), 0);
}

// A request the frame timer has already handed to Qt, but that Qt has not
// painted yet, still counts: a flush right after it paints.
TEST_F(Toolkit, FlushPaintsARequestTheFrameTimerPassedOnButQtHasNotPaintedYet) {
  auto w = TestWindow_();
  w->Show();
  tk::ProcessEvents();
  auto c = w->Canvas1();
  int state = 0, painted = -1;
  c->Paint = [&](tk::Canvas&, tk::Graphics&, const std::vector<tk::Rect>&) { painted = state; };
  for (int i = 1; i <= 40; ++i) {
    state = i;
    c->Refresh(false);
    QThread::msleep(18);
    // One pass: the frame timer fires, its update is posted for the next pass.
    QCoreApplication::processEvents();
    tk::FlushRefreshes();
    ASSERT_EQ(painted, i) << "round " << i;
  }
}

TEST_F(Toolkit, CanvasPaintsWithAGraphicsOfItsOwnSize) {
  auto w = TestWindow_();
  w->Show();
  int gw = 0, gh = 0;
  w->Canvas1()->Paint = [&](tk::Canvas&, tk::Graphics& g, const std::vector<tk::Rect>&) {
    gw = g.Width();
    gh = g.Height();
  };
  w->Canvas1()->RepaintNow();
  EXPECT_EQ(gw, 120);
  EXPECT_EQ(gh, 100);
}

TEST_F(Toolkit, MouseUpFollowsOnlyAnAcceptedMouseDown) {
  auto w = TestWindow_();
  w->Show();
  auto c = w->Canvas1();
  bool accept = false;
  std::vector<std::string> got;
  c->MouseDown = [&](tk::Canvas&, int x, int y) {
    got.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    return accept;
  };
  c->MouseUp = [&](tk::Canvas&, int, int) { got.push_back("up"); };
  c->ClickAt_(5, 7);
  EXPECT_EQ(got, std::vector<std::string>{"down 5,7"});
  accept = true;
  c->ClickAt_(6, 8);
  EXPECT_EQ(got, (std::vector<std::string>{"down 5,7", "down 6,8", "up"}));
}

TEST_F(Toolkit, RepeatingTimerTicksUntilTurnedOffOrItsWindowCloses) {
  auto w = TestWindow_();
  auto t = w->Timer1();
  long ticks = 0;
  t->Action = [&](tk::Timer&) { ++ticks; };
  tk::ProcessEventsFor(30);
  EXPECT_EQ(ticks, 0);  // Mode 0: off
  t->SetMode(tk::Timer::ModeMultiple);
  EXPECT_TRUE(uitest::RunEventsUntil([&] { return ticks >= 2; }));
  t->SetMode(tk::Timer::ModeOff);
  const long stopped = ticks;
  tk::ProcessEventsFor(30);
  EXPECT_EQ(ticks, stopped);

  t->SetMode(tk::Timer::ModeMultiple);
  w->Close();
  const long atClose = ticks;
  tk::ProcessEventsFor(30);
  EXPECT_EQ(ticks, atClose);
}

TEST_F(Toolkit, FastTimerKeepsTickingWhileItsRepaintsAreHeldToTheFrameRate) {
  auto w = TestWindow_();
  w->Show();
  auto c = w->Canvas1();
  auto t = w->Timer1();
  t->Action = [&](tk::Timer&) { c->Refresh(false); };
  tk::ProcessEvents();
  const int before = c->PaintCount_();
  QElapsedTimer clock;
  clock.start();
  t->SetMode(tk::Timer::ModeMultiple);
  tk::ProcessEventsFor(400);
  t->SetMode(tk::Timer::ModeOff);
  const qint64 elapsed = clock.elapsed();
  const int paints = c->PaintCount_() - before;
  EXPECT_GE(paints, 1);
  EXPECT_LE(paints, elapsed / 16 + 2);
  EXPECT_GT(t->Ticks_(), paints);
}

TEST_F(Toolkit, MenuRefreshEnablesWhatTheWindowHandles) {
  auto w = TestWindow_();
  auto bar = w->MenuBar();
  EXPECT_EQ(bar->Child("FileMenu")->Count(), 2);
  EXPECT_EQ(bar->Lookup_("FileQuit")->Kind(), tk::MenuKind::Quit);
  EXPECT_EQ(bar->Child("FileQuit"), nullptr);  // not a direct child of the bar
  EXPECT_EQ(bar->Lookup_("Nothing"), nullptr);

  w->RefreshMenus();
  EXPECT_TRUE(bar->Lookup_("FileAbout")->Enabled);
  EXPECT_TRUE(bar->Lookup_("FileQuit")->Enabled);
  EXPECT_FALSE(bar->Lookup_("mnuClear")->Enabled);  // EnableMenuItems took it back
  auto* clearAction = w->MenuView_()->ActionFor("mnuClear");
  ASSERT_NE(clearAction, nullptr);
  EXPECT_FALSE(clearAction->isEnabled());
  EXPECT_FALSE(w->DoMenuCommand("mnuClear"));

  w->clearAllowed = true;
  EXPECT_TRUE(w->DoMenuCommand("mnuClear"));
  EXPECT_TRUE(clearAction->isEnabled());

  EXPECT_TRUE(w->DoMenuCommand("FileAbout"));
  w->MenuView_()->ActionFor("FileAbout")->trigger();
  EXPECT_EQ(w->aboutChosen, 2);
  EXPECT_EQ(w->MenuView_()->ActionFor("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(w->MenuView_()->ActionFor("FileMenu")->text(), "&File");
}

TEST_F(Toolkit, AnItemWithoutHandlerIsDisabled) {
  auto w = TestWindow_();
  auto extra = std::make_shared<tk::MenuItem>();
  extra->Name = "Unhandled";
  w->MenuBar()->Child("EditMenu")->Append(extra);
  w->RefreshMenus();
  EXPECT_FALSE(extra->Enabled);
  EXPECT_TRUE(w->MenuBar()->Child("EditMenu")->Enabled);
}

TEST_F(Toolkit, QuitItemClosesEveryWindowThenQuits) {
  auto app = tk::TheApplication();
  app->AutoQuit = true;
  auto w = TestWindow_();
  w->Show();
  const int quits = tk::QuitRequests();
  w->MenuView_()->ActionFor("FileQuit")->trigger();
  EXPECT_EQ(w->closes, 1);
  EXPECT_FALSE(w->IsOpen());
  EXPECT_GT(tk::QuitRequests(), quits);
}

TEST_F(Toolkit, ClosingTheLastWindowQuitsOnlyWithAutoQuit) {
  int quits = tk::QuitRequests();
  TestWindow_()->Close();
  EXPECT_EQ(tk::QuitRequests(), quits);
  tk::TheApplication()->AutoQuit = true;
  TestWindow_()->Close();
  EXPECT_EQ(tk::QuitRequests(), quits + 1);
}

TEST_F(Toolkit, ExceptionEscapingAHandlerIsToldInAMessage) {
  auto w = TestWindow_();
  w->Show();
  w->BevelButton1()->Action = [](tk::BevelButton&) { throw std::runtime_error("disk on fire"); };
  w->BevelButton1()->ClickAt_(10, 10);
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("disk on fire"), std::string::npos);
  // The program goes on: the window still works.
  w->BevelButton1()->Action = [](tk::BevelButton&) { events.push_back("fine"); };
  w->BevelButton1()->ClickAt_(10, 10);
  EXPECT_EQ(events.back(), "fine");
}

TEST_F(Toolkit, FailingCloseEventIsToldAndTheWindowStillCloses) {
  class Failing : public tk::Window {
    void Event_Close() override { throw std::runtime_error("cannot save"); }
  };
  auto w = tk::ImplicitWindow<Failing>("Failing");
  w->Close();
  EXPECT_FALSE(w->IsOpen());
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("cannot save"), std::string::npos);
}

TEST_F(Toolkit, FailingOpenLeavesNoWindowBehind) {
  class Failing : public tk::Window {
    void Event_Open() override { throw std::runtime_error("no"); }
  };
  EXPECT_THROW(tk::ImplicitWindow<Failing>("Failing"), std::runtime_error);
  EXPECT_EQ(tk::FindImplicitWindow("Failing"), nullptr);
}

TEST_F(Toolkit, ShowModalGoesThroughTheSeamAndReturnsAfterClose) {
  auto w = TestWindow_();
  bool driven = false;
  dialogs->modalHandlers.push_back([&](tk::Window& shown) {
    EXPECT_EQ(&shown, w.get());
    EXPECT_TRUE(shown.IsShown());
    driven = true;
  });
  w->ShowModal();
  EXPECT_TRUE(driven);
  EXPECT_FALSE(w->IsOpen());
  EXPECT_EQ(w->closes, 1);
  EXPECT_EQ(dialogs->modalWindows, std::vector<std::string>{"TestWindow.TestWindow"});
}

TEST_F(Toolkit, RadioButtonsOfAGroupExcludeEachOtherAndSelectingOneRunsItsAction) {
  class Radios : public tk::Window {
   public:
    void CreateControls() override {
      AddControl_(std::make_shared<tk::GroupBox>(*this), "GroupBox1");
      ControlAs_<tk::GroupBox>("GroupBox1")
          ->Apply({{"Left", 20}, {"Top", 14}, {"Width", 200}, {"Height", 120}});
      auto group = ControlByName_("GroupBox1").get();
      AddControl_(std::make_shared<tk::RadioButton>(*this, group), "RadioButton1");
      ControlAs_<tk::RadioButton>("RadioButton1")
          ->Apply({{"Left", 45},
                   {"Top", 53},
                   {"Width", 100},
                   {"Height", 20},
                   {"Caption", "Basic"},
                   {"Value", true}});
      AddControl_(std::make_shared<tk::RadioButton>(*this, group), "RadioButton2");
      ControlAs_<tk::RadioButton>("RadioButton2")
          ->Apply({{"Left", 45},
                   {"Top", 84},
                   {"Width", 100},
                   {"Height", 20},
                   {"Caption", "Pro"},
                   {"Value", false}});
    }
  };
  auto w = tk::ImplicitWindow<Radios>("Radios");
  w->Show();
  auto r1 = w->ControlAs_<tk::RadioButton>("RadioButton1");
  auto r2 = w->ControlAs_<tk::RadioButton>("RadioButton2");
  // Window coordinates: the button lies at (45, 53) of the window, inside the box.
  EXPECT_EQ(r1->Widget()->mapTo(w->Content(), QPoint(0, 0)), QPoint(45, 53));
  int actions = 0;
  r2->Action = [&](tk::RadioButton&) { ++actions; };
  // Code selecting the button runs its Action, as a click does; selecting
  // it again changes nothing and runs nothing.
  r2->SetValue(true);
  EXPECT_TRUE(r2->Value());
  EXPECT_FALSE(r1->Value());
  EXPECT_EQ(actions, 1);
  r2->SetValue(true);
  EXPECT_EQ(actions, 1);
  r1->SetValue(true);
  r2->Push();
  EXPECT_TRUE(r2->Value());
  EXPECT_FALSE(r1->Value());
  EXPECT_EQ(actions, 2);
  w->Close();
}

TEST_F(Toolkit, ReturnAndEnterPressTheFocusedPushButtonAsSpaceDoes) {
  class Buttons : public tk::Window {
   public:
    void CreateControls() override {
      AddControl_(std::make_shared<tk::PushButton>(*this), "PushButton1");
      ControlAs_<tk::PushButton>("PushButton1")
          ->Apply({{"Left", 20},
                   {"Top", 20},
                   {"Width", 120},
                   {"Height", 22},
                   {"Caption", "Save and Close"},
                   {"TabIndex", 0}});
      AddControl_(std::make_shared<tk::PushButton>(*this), "PushButton2");
      ControlAs_<tk::PushButton>("PushButton2")
          ->Apply({{"Left", 20},
                   {"Top", 60},
                   {"Width", 80},
                   {"Height", 22},
                   {"Caption", "OK"},
                   {"Default", true},
                   {"TabIndex", 1}});
    }
  };
  auto w = tk::ImplicitWindow<Buttons>("Buttons");
  w->Show();
  tk::ProcessEvents();
  auto focused = w->ControlAs_<tk::PushButton>("PushButton1");
  ASSERT_EQ(QApplication::focusWidget(), focused->Widget());
  std::vector<std::string> pressed;
  focused->Action = [&](tk::PushButton&) { pressed.push_back("Save and Close"); };
  w->ControlAs_<tk::PushButton>("PushButton2")->Action = [&](tk::PushButton&) { pressed.push_back("OK"); };
  // Keys as the window system delivers them, so the window's own keys (the
  // Default button's Return) see them too.
  QWindow* handle = w->Widget()->windowHandle();
  ASSERT_NE(handle, nullptr);
  for (auto [key, mods] :
       {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier},
        std::pair{Qt::Key_Space, Qt::NoModifier}}) {
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    qt_handleKeyEvent(handle, QEvent::KeyPress, key, mods, text);
    qt_handleKeyEvent(handle, QEvent::KeyRelease, key, mods, text);
    tk::ProcessEvents();
  }
  EXPECT_EQ(pressed, (std::vector<std::string>{"Save and Close", "Save and Close", "Save and Close"}));
  w->Close();
}

TEST(ToolkitValues, FileTypeFilterAndShortcutsAndPropertyValues) {
  tk::FileType png;
  png.Name = "PNG";
  png.Extensions = ".png";
  EXPECT_EQ(png.Filter(), "PNG (*.png)");
  png.Extensions = ".png;.PNG";
  EXPECT_EQ(png.Filter(), "PNG (*.png *.PNG)");
  png.Extensions = "";
  EXPECT_EQ(png.Filter(), "PNG (*)");

  EXPECT_EQ(tk::PlatformShortcut("Cmd+Q"), "Ctrl+Q");
  EXPECT_EQ(tk::PlatformShortcut("Cmd+Shift+S"), "Ctrl+Shift+S");
  EXPECT_EQ(tk::PlatformShortcut(""), "");

  EXPECT_EQ(tk::PropertyValue(7.9).Int(), 7);
  EXPECT_EQ(tk::PropertyValue(-7.9).Int(), -7);
  EXPECT_EQ(tk::PropertyValue("40.9").Int(), 40);
  EXPECT_TRUE(tk::PropertyValue("True").Bool());
  EXPECT_EQ(tk::PropertyValue(true).Text(), "True");
  EXPECT_EQ(tk::PropertyValue(tk::Color(0xFFFFFF)).Int(), 0xFFFFFF);
}

TEST(ToolkitValues, ApplicationVersionData) {
  tk::Application app;
  EXPECT_EQ(app.Version(), TARNWICK_VERSION);
  EXPECT_FALSE(app.LongVersion().empty());
  EXPECT_FALSE(app.AutoQuit);
}
