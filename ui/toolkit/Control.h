#pragma once
// The base of every control: a name in its window, a place on it, design
// values, Enabled, Visible and Refresh.
#include <QPointer>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "ui/toolkit/Properties.h"

class QWidget;

namespace tk {

class Window;

// A rectangle in a control's coordinates (the areas of a paint).
struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The name the control is registered under in its window.
  const std::string& Name() const { return name_; }
  tk::Window& ParentWindow() const { return *window_; }
  // The control that holds this one (a group box), or nullptr.
  Control* ParentControl() const { return parent_; }

  // Position and size in window coordinates.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  // The control's place in its window's tab order, among the controls of the
  // same parent (design value TabIndex); nothing when it has none.
  std::optional<std::int64_t> TabIndex() const { return tabIndex_; }

  // Asks for a later repaint. Requests are gathered: however many come in,
  // the control paints at most once per display frame.
  virtual void Refresh(bool eraseBackground = true);
  // Paints now, taking the place of a waiting Refresh (for tests that look
  // at the pixels; nothing happens while the window is not shown).
  void RepaintNow();

  // Applies a design-time property list, in its order. Values the control
  // does not interpret are kept (DesignValue) and have no effect; a list
  // should hold only those that mean nothing here (WithoutMeaningHere).
  void Apply(const PropertyList& properties);
  // The design value last applied under name, or nullptr.
  const PropertyValue* DesignValue(const std::string& name) const;
  // Every design value applied, and whether the control interpreted the one
  // called name (tests).
  const std::map<std::string, PropertyValue>& DesignValues_() const { return design_; }
  bool DesignValueApplied_(const std::string& name) const { return applied_.count(name) != 0; }
  // The kind of control, its class name: "Label", "BevelButton".
  std::string Kind() const;

  // A left-button press and release at (x, y), in the control's coordinates,
  // delivered through the event system as a user's click is (tests).
  void ClickAt_(int x, int y);

  // The control's widget; nullptr for controls that have none (Timer).
  QWidget* Widget() const;

  // For the window: the name under which it registers the control, the
  // control's Open event (after every control exists), and the end of its
  // events when the window closes.
  void SetName_(const std::string& name) { name_ = name; }
  virtual void Open_() {}
  virtual void Shutdown_();

 protected:
  // widget is made by the subclass on Host(window, parent) and owned by the
  // control from here on.
  Control(tk::Window& window, Control* parent, QWidget* widget);
  // The widget that a new control's widget belongs to.
  static QWidget* Host(tk::Window& window, Control* parent);

  // Interprets one design value; False when the control does not know it.
  // Every control takes Left, Top, Width, Height, Enabled, Visible, HelpTag,
  // TabIndex, TabStop (False: Tab passes the control by, a click still
  // focuses it) and AcceptFocus (False: the control never takes the focus).
  virtual bool SetProperty(const std::string& name, const PropertyValue& value);

 private:
  void Place();

  tk::Window* window_;
  Control* parent_;
  QPointer<QWidget> widget_;
  std::string name_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool tabStop_ = true;
  std::optional<std::int64_t> tabIndex_;
  std::map<std::string, PropertyValue> design_;
  std::set<std::string> applied_;
};

// Repaints at once every control whose Refresh is still waiting, so tests
// can look at the pixels without waiting for a frame.
void FlushRefreshes();
// How many repaints are waiting.
int PendingRefreshes();

}  // namespace tk
