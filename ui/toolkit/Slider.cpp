#include "ui/toolkit/Slider.h"

#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <climits>

#include "ui/toolkit/Application.h"

namespace tk {

namespace {
int ToInt(std::int64_t v) { return int(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }
}  // namespace

Slider::Slider(tk::Window& window, Control* parent)
    : Control(window, parent, new QSlider(Qt::Horizontal, Host(window, parent))) {
  QSlider* s = View();
  s->setFocusPolicy(Qt::StrongFocus);
  s->setTracking(true);
  Sync();
  QObject::connect(s, &QSlider::valueChanged, s,
                   [this](int position) { RunHandler([&] { UserMoved(position); }); });
}

QSlider* Slider::View() const { return static_cast<QSlider*>(Widget()); }

void Slider::Sync() {
  QSlider* s = View();
  if (!s) return;
  const QSignalBlocker quiet(s);
  s->setRange(ToInt(minimum_), ToInt(std::max(minimum_, maximum_)));
  s->setValue(ToInt(value_));
  s->setSingleStep(lineStep_);
  s->setPageStep(pageStep_);
  s->setTracking(liveScroll_);
  s->setOrientation(vertical_ ? Qt::Vertical : Qt::Horizontal);
  s->setTickPosition(tickStyle_ == 1   ? QSlider::TicksAbove
                     : tickStyle_ == 2 ? QSlider::TicksBelow
                     : tickStyle_ == 3 ? QSlider::TicksBothSides
                                       : QSlider::NoTicks);
}

void Slider::UserMoved(int position) {
  if (position == value_) return;
  value_ = position;
  if (ValueChanged) ValueChanged(*this);
}

void Slider::SetValue(std::int64_t v) {
  v = std::clamp(v, minimum_, std::max(minimum_, maximum_));
  if (v == value_) return;
  value_ = v;
  Sync();
  if (ValueChanged) ValueChanged(*this);
}

void Slider::SetMinimum(std::int64_t v) {
  minimum_ = v;
  Sync();
  SetValue(value_);
}

void Slider::SetMaximum(std::int64_t v) {
  maximum_ = v;
  Sync();
  SetValue(value_);
}

void Slider::SetLineStep(int v) {
  lineStep_ = v;
  Sync();
}

void Slider::SetPageStep(int v) {
  pageStep_ = v;
  Sync();
}

void Slider::SetLiveScroll(bool v) {
  liveScroll_ = v;
  Sync();
}

void Slider::SetVertical(bool v) {
  vertical_ = v;
  Sync();
}

void Slider::SetTickStyle(int v) {
  tickStyle_ = v;
  Sync();
}

void Slider::Open_() {
  if (Open) Open(*this);
}

bool Slider::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Value") {
    SetValue(value.Int());
  } else if (name == "Minimum") {
    SetMinimum(value.Int());
  } else if (name == "Maximum") {
    SetMaximum(value.Int());
  } else if (name == "LineStep") {
    SetLineStep(int(value.Int()));
  } else if (name == "PageStep") {
    SetPageStep(int(value.Int()));
  } else if (name == "LiveScroll") {
    SetLiveScroll(value.Bool());
  } else if (name == "Vertical") {
    SetVertical(value.Bool());
  } else if (name == "TickStyle") {
    SetTickStyle(int(value.Int()));
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
