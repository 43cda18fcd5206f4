#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>

#include "maze/Module1.h"
#include "render/Module1.h"

namespace {

void MakeMaze(std::int64_t size) {
  if (Module1::myPicts.empty()) Module1::SetupMyPicts(0x000000);
  Module1::RANDOMISATION = 0;
  Module1::LastDoorUsed = 3;
  Module1::CreateMaze(size, size, false);
}

}  // namespace

// The maze drawn into a maze view's picture, in a colour design and in a
// picture design.
static void BM_DrawMaze(benchmark::State& state) {
  MakeMaze(state.range(0));
  Module1::myImageIndex = state.range(1);
  Module1::myDrawing = std::make_shared<tk::Picture>(576, 756, 32);
  for (auto _ : state) {
    Module1::DrawMaze(*Module1::myDrawing->Graphics());
    benchmark::DoNotOptimize(Module1::myDrawing->Image().constBits());
  }
}
BENCHMARK(BM_DrawMaze)
    ->Args({151, 0})
    ->Args({151, 9})
    ->Args({19, 0})
    ->Args({19, 9})
    ->Unit(benchmark::kMillisecond);

// A whole paint of a maze view: new picture, maze, stretched copy, frame.
static void BM_PaintCanvas(benchmark::State& state) {
  MakeMaze(state.range(0));
  Module1::myImageIndex = 9;
  auto target = std::make_shared<tk::Picture>(576, 756, 32);
  for (auto _ : state) {
    Module1::PaintMazeCanvas(*target->Graphics());
    benchmark::DoNotOptimize(target->Image().constBits());
  }
}
BENCHMARK(BM_PaintCanvas)->Arg(151)->Arg(19)->Unit(benchmark::kMillisecond);

// The same paint for a screen scaled by `ratio`: the maze drawn at the
// screen's own pixels of the view, as a maze view on such a screen paints.
void PaintScaled(benchmark::State& state, double ratio) {
  MakeMaze(state.range(0));
  Module1::myImageIndex = 9;
  QImage screen(int(std::lround(576 * ratio)), int(std::lround(756 * ratio)),
                QImage::Format_ARGB32_Premultiplied);
  screen.setDevicePixelRatio(ratio);
  for (auto _ : state) {
    tk::Graphics g(&screen, 576, 756);
    Module1::PaintMazeCanvas(g);
    g.End();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
static void BM_PaintCanvas2x(benchmark::State& state) { PaintScaled(state, 2); }
BENCHMARK(BM_PaintCanvas2x)->Arg(151)->Arg(19)->Unit(benchmark::kMillisecond);
static void BM_PaintCanvas1_5x(benchmark::State& state) { PaintScaled(state, 1.5); }
BENCHMARK(BM_PaintCanvas1_5x)->Arg(151)->Arg(19)->Unit(benchmark::kMillisecond);
