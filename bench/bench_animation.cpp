#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "maze/Module1.h"
#include "prefs/iniClass.h"
#include "render/Module1.h"
#include "solver/PathFind.h"
#include "ui/App.h"
#include "ui/Module1.h"
#include "ui/frmPro.h"
#include "ui/toolkit/Runtime.h"

namespace {

// The advanced window as a run with it has it, on preferences held in
// memory so that closing it writes no file.
std::shared_ptr<frmPro::frmPro> ShowWindow(std::int64_t size) {
  if (Module1::myPicts.empty()) {
    Module1::SetupMyPicts(0x000000);
    for (const auto& design : Module1::myPicts) design->SetTransparent(1);
  }
  Module1::myINI = std::make_shared<iniClass>(std::string("[Pro]\rWidth=") + std::to_string(size) +
                                              "\rHeight=" + std::to_string(size) + "\r");
  App::App_()->BasicPro = 1;
  auto w = frmPro::frmPro_();
  w->Show();
  tk::ProcessEventsFor(50);
  return w;
}

// Runs the event loop, as the program runs it, until the search has ended.
void RunUntilSolved() {
  QEventLoop loop;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&loop] {
    if (!PathFind::FindingSolution) loop.quit();
  });
  watch.start(20);
  loop.exec();
}

}  // namespace

// The animated search on the largest maze in the real window: the real event
// loop, the 1 ms step timer and the maze view repainting as the steps ask.
// Each iteration solves a new maze. Besides the two rates, the counters show
// where the time goes: in the steps, in the paints, and how far apart the
// ticks come with and without a paint between them.
static void BM_SolveAnimation(benchmark::State& state) {
  auto w = ShowWindow(state.range(0));
  QElapsedTimer since;
  since.start();
  double stepSeconds = 0, paintSeconds = 0;
  bool paintedSinceTick = false;
  auto paint = w->Canvas1()->Paint;
  w->Canvas1()->Paint = [&](tk::Canvas& c, tk::Graphics& g, const std::vector<tk::Rect>& areas) {
    const qint64 t0 = since.nsecsElapsed();
    paint(c, g, areas);
    paintSeconds += double(since.nsecsElapsed() - t0) / 1e9;
    paintedSinceTick = true;
  };
  // Gaps between consecutive ticks of one search, with and without a paint
  // in between.
  double quietGaps = 0, paintGaps = 0;
  long quietCount = 0, paintCount = 0;
  qint64 lastTick = -1;
  auto tick = w->PathTimer()->Action;
  w->PathTimer()->Action = [&](tk::Timer& timer) {
    const qint64 t0 = since.nsecsElapsed();
    if (lastTick >= 0) {
      const double gap = double(t0 - lastTick) / 1e6;
      if (paintedSinceTick) paintGaps += gap, ++paintCount;
      else quietGaps += gap, ++quietCount;
    }
    lastTick = t0;
    paintedSinceTick = false;
    tick(timer);
    stepSeconds += double(since.nsecsElapsed() - t0) / 1e9;
  };

  long steps = 0, paints = 0;
  double seconds = 0, searchStepSeconds = 0, searchPaintSeconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w->BevelButton5()->Push();  // Redraw: a new maze of the same size
    tk::ProcessEventsFor(40);
    const long ticks0 = w->PathTimer()->Ticks_();
    const int paints0 = w->Canvas1()->PaintCount_();
    const double stepSeconds0 = stepSeconds, paintSeconds0 = paintSeconds;
    lastTick = -1;
    state.ResumeTiming();

    QElapsedTimer clock;
    clock.start();
    w->btnFindSolution()->Push();
    RunUntilSolved();
    seconds += double(clock.nsecsElapsed()) / 1e9;
    searchStepSeconds += stepSeconds - stepSeconds0;
    searchPaintSeconds += paintSeconds - paintSeconds0;
    steps += w->PathTimer()->Ticks_() - ticks0;
    paints += w->Canvas1()->PaintCount_() - paints0;
  }
  state.counters["steps_per_second"] = double(steps) / seconds;
  state.counters["paints_per_second"] = double(paints) / seconds;
  state.counters["steps_per_maze"] = double(steps) / double(state.iterations());
  state.counters["ms_per_paint"] = searchPaintSeconds * 1e3 / double(paints);
  state.counters["us_per_step"] = searchStepSeconds * 1e6 / double(steps);
  state.counters["ms_tick_gap_quiet"] = quietCount ? quietGaps / double(quietCount) : 0;
  state.counters["ms_tick_gap_paint"] = paintCount ? paintGaps / double(paintCount) : 0;
  w->Close();
  tk::ProcessEvents();
}
BENCHMARK(BM_SolveAnimation)->Arg(151)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// The window's 1 ms timer on its own, ticking with nothing to do for two
// seconds: the most ticks per second the event loop delivers here.
static void BM_StepTimerAlone(benchmark::State& state) {
  auto w = ShowWindow(17);
  auto tick = w->PathTimer()->Action;
  w->PathTimer()->Action = [](tk::Timer&) {};
  double ticks = 0, seconds = 0;
  for (auto _ : state) {
    const long ticks0 = w->PathTimer()->Ticks_();
    QElapsedTimer clock;
    clock.start();
    w->PathTimer()->SetMode(tk::Timer::ModeMultiple);
    tk::ProcessEventsFor(2000);
    w->PathTimer()->SetMode(tk::Timer::ModeOff);
    seconds += double(clock.nsecsElapsed()) / 1e9;
    ticks += double(w->PathTimer()->Ticks_() - ticks0);
  }
  state.counters["ticks_per_second"] = ticks / seconds;
  w->PathTimer()->Action = tick;
  w->Close();
  tk::ProcessEvents();
}
BENCHMARK(BM_StepTimerAlone)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

