// The design values of the program's windows take effect: the tab order of
// every window follows its controls' tab indexes, and no window or control
// holds a design value that the toolkit quietly ignores.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "UiTestSupport.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmAbout.h"
#include "ui/frmBasic.h"
#include "ui/frmPrefs.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/Runtime.h"

namespace {

class DesignValues : public ::testing::Test {
 protected:
  void SetUp() override { uitest::ResetRun(); }
  void TearDown() override { uitest::ResetRun(); }
  // The program's start-up on a preference file holding lines.
  void StartUp(const std::string& lines) {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
    uitest::WritePrefs(lines);
    Module1::Initialize();
  }
  std::shared_ptr<FakeDialogs> dialogs;
};

// The name of the control of w that has the keyboard focus; "" for none.
std::string Focused(tk::Window& w) {
  QWidget* f = QApplication::focusWidget();
  if (!f) return "";
  for (const auto& c : w.Controls_())
    if (c->Widget() == f) return c->Name();
  return std::string("not a control: ") + f->metaObject()->className();
}

// Presses key (Tab or Shift+Tab) times times where the focus is, and lists
// the control that has the focus after each press.
std::vector<std::string> Press(tk::Window& w, Qt::Key key, int times) {
  const Qt::KeyboardModifiers mods = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
  std::vector<std::string> seen;
  for (int i = 0; i < times; ++i) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.Widget();
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : w.Widget(), &release);
    seen.push_back(Focused(w));
  }
  return seen;
}

using Names = std::vector<std::string>;

// The design values of holder that it neither applied nor counts among the
// values without meaning for its kind.
template <class Holder>
Names Unheeded(const Holder& holder, const std::string& kind) {
  Names names;
  for (const auto& [name, value] : holder.DesignValues_())
    if (!holder.DesignValueApplied_(name) && !tk::WithoutMeaningHere(kind, name)) names.push_back(name);
  return names;
}

}  // namespace

// Preferences: "Save and Close" (tab index 2 on the window) comes before the
// group box (6), whose controls follow in their own order; labels and the
// group box take no focus. Each radio button is a stop of its own, also
// after the other one has had the focus. The advanced window: its three
// sliders; canvases and bevel buttons take none.
TEST_F(DesignValues, FocusStartsAtTheFirstControlOfTheTabOrderAndTabGoesRoundBothWays) {
  StartUp("");
  auto basic = frmBasic::frmBasic_();
  tk::ProcessEvents();
  EXPECT_EQ(Focused(*basic), "");  // nothing in the simple window takes focus
  dialogs->modalHandlers.push_back([](tk::Window& w) {
    tk::ProcessEvents();
    ASSERT_TRUE(w.Widget()->isActiveWindow());
    EXPECT_EQ(Focused(w), "PushButton1");
    EXPECT_EQ(Press(w, Qt::Key_Tab, 4), (Names{"RadioButton2", "Slider1", "RadioButton1", "PushButton1"}));
    EXPECT_EQ(Press(w, Qt::Key_Backtab, 4),
              (Names{"RadioButton1", "Slider1", "RadioButton2", "PushButton1"}));
  });
  ASSERT_TRUE(basic->DoMenuCommand("mnuPrefs"));

  StartUp("[Startup]\nBasicPro=1\n");
  auto pro = frmPro::frmPro_();
  tk::ProcessEvents();
  ASSERT_TRUE(pro->Widget()->isActiveWindow());
  EXPECT_EQ(Focused(*pro), "Slider1");
  EXPECT_EQ(Press(*pro, Qt::Key_Tab, 3), (Names{"Slider2", "Slider3", "Slider1"}));
  EXPECT_EQ(Press(*pro, Qt::Key_Backtab, 3), (Names{"Slider3", "Slider2", "Slider1"}));
}

// A value that a list names and the toolkit drops without a word (a name
// misspelt in a list, or one the toolkit forgot) fails here.
TEST_F(DesignValues, EveryValueInTheListsOfEveryWindowIsAppliedOrDeclaredWithoutMeaning) {
  StartUp("");
  const std::vector<std::shared_ptr<tk::Window>> windows = {frmBasic::frmBasic_(), frmPro::frmPro_(),
                                                            frmPrefs::frmPrefs_(), frmAbout::frmAbout_()};
  for (const auto& w : windows) {
    EXPECT_EQ(Unheeded(*w, "Window"), Names{}) << w->ClassName_();
    for (const auto& c : w->Controls_())
      EXPECT_EQ(Unheeded(*c, c->Kind()), Names{}) << w->ClassName_() << " " << c->Kind() << " " << c->Name();
  }
  // A misspelt name is caught.
  auto label = windows[2]->ControlByName_("Label1");
  label->Apply({{"TextAllign", 2}});
  EXPECT_EQ(label->Kind(), "Label");
  EXPECT_EQ(Unheeded(*label, label->Kind()), Names{"TextAllign"});
}
