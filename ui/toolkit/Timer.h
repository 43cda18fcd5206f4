#pragma once
// A timer of a window: Mode 0 off, 1 once, 2 repeating, every Period
// milliseconds, precise to the millisecond.
#include <functional>
#include <memory>

#include "ui/toolkit/Control.h"

class QElapsedTimer;
class QTimer;

namespace tk {

class Timer : public Control {
 public:
  static constexpr int ModeOff = 0;
  static constexpr int ModeSingle = 1;
  static constexpr int ModeMultiple = 2;

  explicit Timer(tk::Window& window, Control* parent = nullptr);
  ~Timer() override;

  int Mode() const { return mode_; }
  // Starting (or setting the mode again) begins a full period.
  void SetMode(int mode);
  int Period() const { return period_; }
  // A running timer starts its new period at once.
  void SetPeriod(int ms);

  // A tick. A single-shot timer is off again when its Action runs.
  std::function<void(Timer& sender)> Action;

  // Ticks so far (tests).
  long Ticks_() const { return ticks_; }

  // A disabled timer does not run.
  void SetEnabled(bool v) override;
  void Shutdown_() override;

 protected:
  bool SetProperty(const std::string& name, const PropertyValue& value) override;

 private:
  void Tick();
  void Timeout();
  void Restart();

  std::unique_ptr<QTimer> timer_;
  int mode_ = ModeOff;
  int period_ = 1000;
  long ticks_ = 0;
  bool shutDown_ = false;
  // A repeating timer keeps to its pace: ticks are counted against the clock
  // since it started, and ticks that a long handler or a paint held up are
  // delivered at the next wake-up (a few at most), rather than lost.
  std::unique_ptr<QElapsedTimer> clock_;
  long long delivered_ = 0;
  unsigned generation_ = 0;
};

}  // namespace tk
