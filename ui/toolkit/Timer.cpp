#include "ui/toolkit/Timer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "ui/toolkit/Application.h"

namespace tk {

namespace {
// The most ticks one wake-up delivers: enough to make up for a paint, not so
// many that a stalled program fires a burst of stale ticks.
constexpr long long kMaxCatchUp = 8;
}  // namespace

Timer::Timer(tk::Window& window, Control* parent)
    : Control(window, parent, nullptr), timer_(new QTimer()), clock_(new QElapsedTimer()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { RunHandler([this] { Timeout(); }); });
}

void Timer::Timeout() {
  if (mode_ != ModeMultiple || period_ <= 0) {
    Tick();
    return;
  }
  const long long due = clock_->nsecsElapsed() / (static_cast<long long>(period_) * 1000000);
  long long owed = due - delivered_;
  if (owed > kMaxCatchUp) {
    delivered_ = due - kMaxCatchUp;
    owed = kMaxCatchUp;
  }
  if (owed < 1) owed = 1;
  const unsigned generation = generation_;
  for (long long i = 0; i < owed; ++i) {
    // A handler that stops or restarts the timer ends the catching up.
    if (shutDown_ || mode_ != ModeMultiple || generation != generation_) return;
    ++delivered_;
    Tick();
  }
}

Timer::~Timer() { timer_->stop(); }

void Timer::Restart() {
  timer_->stop();
  ++generation_;
  delivered_ = 0;
  clock_->start();
  if (shutDown_ || !Enabled() || mode_ == ModeOff) return;
  timer_->setSingleShot(mode_ == ModeSingle);
  timer_->start(std::max(0, period_));
}

void Timer::SetMode(int mode) {
  mode_ = mode;
  Restart();
}

void Timer::SetPeriod(int ms) {
  period_ = ms;
  if (timer_->isActive()) Restart();
}

void Timer::Tick() {
  if (shutDown_) return;
  ++ticks_;
  if (mode_ == ModeSingle) mode_ = ModeOff;
  if (Action) Action(*this);
}

void Timer::SetEnabled(bool v) {
  Control::SetEnabled(v);
  Restart();
}

void Timer::Shutdown_() {
  shutDown_ = true;
  timer_->stop();
  Control::Shutdown_();
}

bool Timer::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Mode") {
    SetMode(int(value.Int()));
  } else if (name == "Period") {
    SetPeriod(int(value.Int()));
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
