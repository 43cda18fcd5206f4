#include "ui/toolkit/BevelButton.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Picture.h"

namespace tk {

class BevelButtonWidget : public QAbstractButton {
 public:
  explicit BevelButtonWidget(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, [this] {
      if (owner_) RunHandler([this] { owner_->Clicked_(); });
    });
  }
  BevelButton* owner_ = nullptr;
  int iconDY_ = 0;

  // The icon as shown, remade only when the picture or its pixels change.
  const QPixmap& IconPixmap() {
    const auto& pic = owner_ ? owner_->IconPicture_() : nullptr;
    if (!pic) {
      cached_ = QPixmap();
      cachedFor_ = nullptr;
      return cached_;
    }
    const qint64 key = pic->Image().cacheKey();
    if (cachedFor_ != pic.get() || cachedKey_ != key || cachedTransparent_ != pic->Transparent()) {
      cached_ = QPixmap::fromImage(pic->DisplayImage());
      cachedFor_ = pic.get();
      cachedKey_ = key;
      cachedTransparent_ = pic->Transparent();
    }
    return cached_;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette& pal = palette();
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor face = pal.color(QPalette::Button);
    if (isDown())
      face = face.darker(115);
    else if (underMouse() && isEnabled())
      face = face.lighter(106);
    QPainterPath path;
    path.addRoundedRect(frame, 4, 4);
    p.fillPath(path, face);
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.drawPath(path);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QFontMetrics fm(font());
    const int captionHeight = text().isEmpty() ? 0 : fm.height() + 6;
    const QRect iconArea(2, iconDY_, width() - 4, std::max(0, height() - iconDY_ - captionHeight - 2));
    const QPixmap& icon = IconPixmap();
    if (!icon.isNull() && iconArea.width() > 0 && iconArea.height() > 0) {
      QSize size = icon.size();
      if (size.width() > iconArea.width() || size.height() > iconArea.height())
        size.scale(iconArea.size(), Qt::KeepAspectRatio);
      const QRect target(iconArea.left() + (iconArea.width() - size.width()) / 2,
                         iconArea.top() + (iconArea.height() - size.height()) / 2, size.width(),
                         size.height());
      QPixmap shown = icon;
      if (!isEnabled()) {
        QStyleOption opt;
        opt.initFrom(this);
        shown = style()->generatedIconPixmap(QIcon::Disabled, icon, &opt);
      }
      p.setRenderHint(QPainter::SmoothPixmapTransform, size != icon.size());
      p.drawPixmap(target, shown);
    }
    if (captionHeight > 0) {
      const QRect captionArea(2, height() - captionHeight - 2, width() - 4, captionHeight);
      style()->drawItemText(&p, captionArea, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic, pal,
                            isEnabled(), text(), QPalette::ButtonText);
    }
  }

 private:
  QPixmap cached_;
  const Picture* cachedFor_ = nullptr;
  qint64 cachedKey_ = 0;
  int cachedTransparent_ = 0;
};

BevelButton::BevelButton(tk::Window& window, Control* parent)
    : Control(window, parent, new BevelButtonWidget(Host(window, parent))) {
  View()->owner_ = this;
}

BevelButton::~BevelButton() {
  if (auto* v = View()) v->owner_ = nullptr;
}

BevelButtonWidget* BevelButton::View() const { return static_cast<BevelButtonWidget*>(Widget()); }

void BevelButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (auto* v = View()) v->setText(QString::fromStdString(caption));
}

void BevelButton::SetIcon(std::shared_ptr<Picture> icon) {
  icon_ = std::move(icon);
  if (auto* v = View()) v->update();
}

void BevelButton::SetIconDY(int dy) {
  iconDY_ = dy;
  if (auto* v = View()) {
    v->iconDY_ = dy;
    v->update();
  }
}

void BevelButton::Push() {
  if (!Visible()) return;
  if (auto* v = View()) v->click();
}

void BevelButton::Clicked_() {
  if (Enabled() && Action) Action(*this);
}

bool BevelButton::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (name == "IconDY") {
    SetIconDY(int(value.Int()));
  } else {
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
