#pragma once
// A plain widget that passes its paint and mouse events on (for Canvas and
// Rectangle). A press whose handler answers True brings the release.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>
#include <functional>

namespace tk {

class MouseWidget : public QWidget {
 public:
  explicit MouseWidget(QWidget* parent) : QWidget(parent) {}

  std::function<void(QPaintEvent*)> onPaint;
  std::function<bool(int x, int y)> onPress;
  std::function<void(int x, int y)> onRelease;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (onPaint) onPaint(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    tracking_ = onPress && onPress(at.x(), at.y());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || !tracking_) return;
    tracking_ = false;
    const QPoint at = event->position().toPoint();
    if (onRelease) onRelease(at.x(), at.y());
  }
  void hideEvent(QHideEvent* event) override {
    tracking_ = false;
    QWidget::hideEvent(event);
  }

 private:
  bool tracking_ = false;
};

}  // namespace tk
