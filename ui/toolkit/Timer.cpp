#include "ui/toolkit/Timer.h"

#include <QTimer>
#include <algorithm>

#include "ui/toolkit/Application.h"

namespace tk {

Timer::Timer(tk::Window& window, Control* parent) : Control(window, parent, nullptr), timer_(new QTimer()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { RunHandler([this] { Tick(); }); });
}

Timer::~Timer() { timer_->stop(); }

void Timer::Restart() {
  timer_->stop();
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
