#include "ui/toolkit/Properties.h"

#include <cmath>

#include "ui/toolkit/Text.h"

namespace tk {

double PropertyValue::Number() const {
  if (auto b = std::get_if<bool>(&v_)) return *b ? 1.0 : 0.0;
  if (auto i = std::get_if<std::int64_t>(&v_)) return double(*i);
  if (auto d = std::get_if<double>(&v_)) return *d;
  return Val(std::get<std::string>(v_));
}

std::int64_t PropertyValue::Int() const {
  if (auto i = std::get_if<std::int64_t>(&v_)) return *i;
  const double d = Number();
  if (!std::isfinite(d)) return 0;
  if (d >= 9.2e18) return INT64_MAX;
  if (d <= -9.2e18) return INT64_MIN;
  return std::int64_t(std::trunc(d));
}

bool PropertyValue::Bool() const {
  if (auto s = std::get_if<std::string>(&v_)) {
    std::string lower;
    for (char c : *s) lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "true";
  }
  return Number() != 0.0;
}

std::string PropertyValue::Text() const {
  if (auto b = std::get_if<bool>(&v_)) return *b ? "True" : "False";
  if (auto i = std::get_if<std::int64_t>(&v_)) return Str(*i);
  if (auto d = std::get_if<double>(&v_)) return Str(*d);
  return std::get<std::string>(v_);
}

namespace {

struct WithoutMeaning {
  std::string_view kind;  // "" for every control
  std::string_view name;
};

// Each name once, grouped by why it means nothing here.
constexpr WithoutMeaning kWithoutMeaning[] = {
    // Only macOS has these: a window's definition procedure and composite
    // look, the full-screen button of the title bar, controls that dim while
    // their window is inactive, focus rings.
    {"Window", "MacProcID"},
    {"Window", "Composite"},
    {"Window", "FullScreenButton"},
    {"", "AutoDeactivate"},
    {"Canvas", "UseFocusRing"},

    // Anchors to the window's edges, and drawing while the window is resized:
    // the windows cannot be resized (Resizeable False), so no control ever
    // moves with an edge. A resizeable window would need the anchors applied.
    {"", "LockLeft"},
    {"", "LockTop"},
    {"", "LockRight"},
    {"", "LockBottom"},
    {"Window", "LiveResize"},

    // A window shows when the program shows it (Show, ShowModal), which it
    // does as soon as the window is made.
    {"Window", "Visible"},

    // Where a control lies is given in code: it is made on its parent, and no
    // window has tab panels.
    {"", "InitialParent"},
    {"", "TabPanelIndex"},

    // Qt paints every widget through a back buffer, and no control paints a
    // background of its own (so a label sits cleanly on a group box's face).
    {"Canvas", "DoubleBuffer"},
    {"", "Transparent"},

    // A canvas takes no keys: Tab always moves the focus on.
    {"Canvas", "AcceptTabs"},

    // A push button has the one look of the style in use.
    {"PushButton", "ButtonStyle"},

    // A slider shows no text (a window may give all its controls the same
    // text values).
    {"Slider", "TextFont"},
    {"Slider", "TextUnit"},
    {"Slider", "Bold"},
    {"Slider", "Italic"},
    {"Slider", "Underline"},
};

}  // namespace

bool WithoutMeaningHere(std::string_view kind, std::string_view name) {
  for (const auto& entry : kWithoutMeaning)
    if (entry.name == name && (entry.kind == kind || (entry.kind.empty() && kind != "Window"))) return true;
  return false;
}

}  // namespace tk
