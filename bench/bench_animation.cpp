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
// Each iteration solves a new maze.
static void BM_SolveAnimation(benchmark::State& state) {
  auto w = ShowWindow(state.range(0));
  // Where the time goes: in the search steps, in the paints, or elsewhere
  // (the event loop waiting for the next tick and dispatching it).
  double stepSeconds = 0, paintSeconds = 0;
  auto paint = w->Canvas1()->Paint;
  w->Canvas1()->Paint = [&](tk::Canvas& c, tk::Graphics& g, const std::vector<tk::Rect>& areas) {
    QElapsedTimer t;
    t.start();
    paint(c, g, areas);
    paintSeconds += double(t.nsecsElapsed()) / 1e9;
  };
  auto tick = w->PathTimer()->Action;
  w->PathTimer()->Action = [&](tk::Timer& timer) {
    QElapsedTimer t;
    t.start();
    tick(timer);
    stepSeconds += double(t.nsecsElapsed()) / 1e9;
  };
  long steps = 0, paints = 0;
  double searchStepSeconds = 0, searchPaintSeconds = 0;
  double seconds = 0;
  for (auto _ : state) {
    const double stepSeconds0 = stepSeconds, paintSeconds0 = paintSeconds;
    state.PauseTiming();
    w->BevelButton5()->Push();  // Redraw: a new maze of the same size
    tk::ProcessEventsFor(40);
    const long ticks0 = w->PathTimer()->Ticks_();
    const int paints0 = w->Canvas1()->PaintCount_();
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
  state.counters["ms_per_paint"] = searchPaintSeconds * 1e3 / double(paints);
  state.counters["us_per_step"] = searchStepSeconds * 1e6 / double(steps);
  state.counters["busy_share"] = (searchPaintSeconds + searchStepSeconds) / seconds;
  state.counters["steps_per_maze"] = double(steps) / double(state.iterations());
  w->Close();
  tk::ProcessEvents();
}
BENCHMARK(BM_SolveAnimation)->Arg(151)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
