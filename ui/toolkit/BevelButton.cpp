#include "ui/toolkit/BevelButton.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cstdint>

#include "ui/toolkit/Application.h"
#include "ui/toolkit/Color.h"
#include "ui/toolkit/Picture.h"
#include "ui/toolkit/TextStyle.h"

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
  int iconDX_ = 0;  // the icon's shift right of the centre
  // The face colour, when the design gives one (HasBackColor).
  bool hasBackColor_ = false;
  QColor backColor_;

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
    QColor face = hasBackColor_ ? backColor_ : pal.color(QPalette::Button);
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

    const QPixmap& icon = IconPixmap();
    const Placement at = Place(icon.isNull() ? QSize() : icon.deviceIndependentSize().toSize());
    if (!icon.isNull()) {
      QPixmap shown = icon;
      if (!isEnabled()) {
        QStyleOption opt;
        opt.initFrom(this);
        shown = style()->generatedIconPixmap(QIcon::Disabled, icon, &opt);
      }
      p.drawPixmap(at.icon.topLeft(), shown);
    }
    if (!at.caption.isEmpty()) {
      if (at.captionOnStrip) {
        // From the caption down to the frame, so no sliver of the icon shows
        // under it; inside the frame's rounded corners.
        QColor strip = face.lighter(112);
        strip.setAlpha(230);
        QPainterPath inside;
        inside.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
        p.save();
        p.setClipPath(inside);
        p.fillRect(QRect(1, at.caption.top(), width() - 2, height() - 1 - at.caption.top()), strip);
        p.restore();
      }
      p.setFont(CaptionFont());
      style()->drawItemText(&p, at.caption, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic, pal,
                            isEnabled(), text(), QPalette::ButtonText);
    }
  }

 private:
  // Where the icon and the caption go. The icon keeps its own pixels, never
  // scaled: centred across the button, its top at IconDY, or higher when it
  // would not fit below IconDY, so that it ends on the bottom edge; only an
  // icon larger than the button is clipped (evenly on both sides). The
  // caption sits at the bottom with its padding; when the icon leaves less
  // room, the padding shrinks, and when even the bare text does not fit
  // under the icon, the caption goes over the icon's lower edge on a light
  // strip of the face.
  struct Placement {
    QRect icon;
    QRect caption;
    bool captionOnStrip = false;
  };
  static constexpr int kEdge = 2;     // kept clear inside the frame
  static constexpr int kPadding = 3;  // above and below the caption's text

  // The caption's font: the design's, smaller where the caption would not
  // fit across the button, with a pixel to spare on either side.
  QFont CaptionFont() const { return FitToWidth(font(), text(), width() - 2 * kEdge - 2); }

  Placement Place(QSize iconSize) const {
    Placement at;
    const int w = width(), h = height();
    if (iconSize.isValid()) {
      int top = std::min(iconDY_, h - iconSize.height());
      if (top < 0) top = (h - iconSize.height()) / 2;
      at.icon = QRect(QPoint((w - iconSize.width()) / 2 + iconDX_, top), iconSize);
    }
    if (text().isEmpty()) return at;
    const int textHeight = QFontMetrics(CaptionFont()).height();
    const int bottom = h - kEdge;
    const int below = at.icon.isNull() ? kEdge : std::max(kEdge, at.icon.bottom() + 1);
    const int room = bottom - below;
    if (room >= textHeight + 2 * kPadding) {
      at.caption = QRect(kEdge, bottom - textHeight - 2 * kPadding, w - 2 * kEdge, textHeight + 2 * kPadding);
    } else if (room >= textHeight) {
      at.caption = QRect(kEdge, below, w - 2 * kEdge, room);
    } else {
      at.caption = QRect(kEdge, bottom - textHeight - 2, w - 2 * kEdge, textHeight + 2);
      at.captionOnStrip = !at.icon.isNull();
    }
    return at;
  }

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

namespace {

// The one layout and kind of bevel button drawn here: the icon centred
// across the top (IconAlign 4) above a centred caption (CaptionAlign 3,
// CaptionPlacement 4, CaptionDelta 0), a plain push button (ButtonType 0,
// Value False) with the standard bevel (Bevel 0) and no menu (HasMenu 0,
// MenuValue 0). A design that asks for another is not applied, and the
// design tests say so.
struct Code {
  const char* name;
  std::int64_t value;
};
constexpr Code kDrawnCodes[] = {{"IconAlign", 4}, {"CaptionAlign", 3}, {"CaptionPlacement", 4},
                                {"CaptionDelta", 0}, {"ButtonType", 0}, {"Value", 0},
                                {"Bevel", 0},       {"HasMenu", 0},      {"MenuValue", 0}};

}  // namespace

bool BevelButton::SetProperty(const std::string& name, const PropertyValue& value) {
  auto* v = View();
  if (name == "Caption") {
    SetCaption(value.Text());
  } else if (name == "IconDY") {
    SetIconDY(int(value.Int()));
  } else if (name == "IconDX") {
    if (v) {
      v->iconDX_ = int(value.Int());
      v->update();
    }
  } else if (name == "HasBackColor" || name == "BackColor") {
    if (v) {
      if (name == "HasBackColor") {
        v->hasBackColor_ = value.Bool();
      } else {
        v->backColor_ = ToQColor(Color(value.Int()));
      }
      v->update();
    }
  } else if (ApplyTextProperty(v, name, value)) {
  } else {
    for (const Code& code : kDrawnCodes)
      if (name == code.name) return value.Int() == code.value;
    return Control::SetProperty(name, value);
  }
  return true;
}

}  // namespace tk
