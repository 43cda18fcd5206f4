// The advanced window driven as the user drives it, offscreen, with its real
// event loop and timer.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>

#include "FakeDialogs.h"
#include "TestPaths.h"
#include "UiTestSupport.h"
#include "maze/Module1.h"
#include "render/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Runtime.h"

namespace {

class ProWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::ResetRun();
    dialogs = FakeDialogs::Install();
    Module1::SetupINIandPrefs();
    Module1::SetupMyPicts(0x000000);
    for (const auto& design : Module1::myPicts) design->SetTransparent(1);
    App::App_()->BasicPro = 1;
  }
  void TearDown() override { uitest::ResetRun(); }

  std::shared_ptr<frmPro::frmPro> Open() {
    auto w = frmPro::frmPro_();
    w->Show();
    tk::ProcessEvents();
    return w;
  }

  // Runs the event loop until the running search ends.
  static bool RunSearch(int timeoutMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (PathFind::FindingSolution && clock.elapsed() < timeoutMs) tk::ProcessEventsFor(5);
    return !PathFind::FindingSolution;
  }

  std::shared_ptr<FakeDialogs> dialogs;
};

TEST_F(ProWindow, SolveRunsTheSearchOnTheTimerUntilThePathIsShown) {
  auto w = Open();
  w->btnFindSolution()->Push();
  EXPECT_TRUE(PathFind::FindingSolution);
  EXPECT_FALSE(w->btnFindSolution()->Enabled());
  ASSERT_TRUE(RunSearch());
  EXPECT_TRUE(PathFind::hasSolution);
  EXPECT_TRUE(w->btnFindSolution()->Enabled());
  EXPECT_EQ(w->PathTimer()->Mode(), 0);
  tk::FlushRefreshes();
  w->Grab().save(QString::fromStdString((testpaths::Screenshots() / "frmPro-solved.png").string()));
}

}  // namespace
