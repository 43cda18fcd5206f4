#include "ui/toolkit/Canvas.h"

#include <QPainter>
#include <QTimer>
#include <exception>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/MouseWidget.h"
#include "ui/toolkit/Picture.h"

namespace tk {

Canvas::Canvas(tk::Window& window, Control* parent)
    : Control(window, parent, new MouseWidget(Host(window, parent))) {
  MouseWidget* v = View();
  v->setFocusPolicy(Qt::NoFocus);
  v->onPaint = [this](QPaintEvent* event) {
    std::vector<Rect> areas;
    for (const QRect& r : event->region()) areas.push_back({r.x(), r.y(), r.width(), r.height()});
    PaintNow(areas);
  };
  v->onPress = [this](int x, int y) {
    bool accepted = false;
    if (Enabled() && MouseDown) RunHandler([&] { accepted = MouseDown(*this, x, y); });
    return accepted;
  };
  v->onRelease = [this](int x, int y) {
    if (MouseUp) RunHandler([&] { MouseUp(*this, x, y); });
  };
}

MouseWidget* Canvas::View() const { return static_cast<MouseWidget*>(Widget()); }

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  backdropImage_ = backdrop_ ? backdrop_->DisplayImage() : QImage();
  if (View()) View()->update();
}

void Canvas::PaintNow(const std::vector<Rect>& areas) {
  ++paints_;
  QWidget* v = View();
  if (!v) return;
  try {
    Graphics g(v, v->width(), v->height());
    if (!backdropImage_.isNull()) g.Painter().drawImage(0, 0, backdropImage_);
    if (Paint) Paint(*this, g, areas);
  } catch (...) {
    // Told after the paint, since a message box cannot open inside one.
    auto failure = std::current_exception();
    QTimer::singleShot(0, [failure] { ReportUnhandledException(failure); });
  }
}

void Canvas::Open_() {
  if (Open) Open(*this);
}

bool Canvas::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "EraseBackground") {
    if (View()) View()->setAttribute(Qt::WA_OpaquePaintEvent, !value.Bool());
    return true;
  }
  return Control::SetProperty(name, value);
}

}  // namespace tk
