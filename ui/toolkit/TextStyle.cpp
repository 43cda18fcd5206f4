#include "ui/toolkit/TextStyle.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPalette>
#include <QWidget>

#include "ui/toolkit/Color.h"

namespace tk {

namespace {

// The size and its unit are kept on the widget, as a list may give either
// first.
constexpr const char* kSize = "tkTextSize";
constexpr const char* kUnit = "tkTextUnit";

void SetSize(const QWidget* w, QFont& font) {
  const double size = double(w->property(kSize).toLongLong());
  if (size <= 0) {
    const QFont standard = QApplication::font();
    if (standard.pixelSize() > 0)
      font.setPixelSize(standard.pixelSize());
    else
      font.setPointSizeF(standard.pointSizeF());
    return;
  }
  switch (w->property(kUnit).toInt()) {
    case 2:
      font.setPointSizeF(size);
      break;
    case 3:
      font.setPointSizeF(size * 72.0);
      break;
    case 4:
      font.setPointSizeF(size * 72.0 / 25.4);
      break;
    default:
      font.setPixelSize(int(size));
      break;
  }
}

}  // namespace

bool ApplyTextProperty(QWidget* w, const std::string& name, const PropertyValue& value) {
  if (!w) return false;
  QFont font = w->font();
  if (name == "TextFont") {
    const std::string family = value.Text();
    if (family.empty() || family == "System" || family == "SmallSystem")
      font.setFamily(QApplication::font().family());
    else
      font.setFamily(QString::fromStdString(family));
  } else if (name == "TextSize") {
    w->setProperty(kSize, qlonglong(value.Int()));
    SetSize(w, font);
  } else if (name == "TextUnit") {
    w->setProperty(kUnit, int(value.Int()));
    SetSize(w, font);
  } else if (name == "Bold") {
    font.setBold(value.Bool());
  } else if (name == "Italic") {
    font.setItalic(value.Bool());
  } else if (name == "Underline") {
    font.setUnderline(value.Bool());
  } else if (name == "TextColor") {
    if ((Color(value.Int()) & 0xFFFFFF) == 0x000000) {
      // Black is the ordinary text colour: the desktop's, which reads on the
      // desktop's backgrounds, dark themes included. The text colour is the
      // only palette entry a control's design sets, so the control simply
      // takes its palette from its parent again.
      w->setPalette(QPalette());
      return true;
    }
    QPalette pal = w->palette();
    const QColor color = ToQColor(Color(value.Int()));
    pal.setColor(QPalette::Active, QPalette::WindowText, color);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, color);
    pal.setColor(QPalette::Active, QPalette::ButtonText, color);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    pal.setColor(QPalette::Active, QPalette::Text, color);
    pal.setColor(QPalette::Inactive, QPalette::Text, color);
    w->setPalette(pal);
    return true;
  } else {
    return false;
  }
  w->setFont(font);
  return true;
}

QFont FitToWidth(const QFont& font, const QString& text, int width) {
  auto wide = [&](const QFont& f) {
    return QFontMetrics(f).size(Qt::TextShowMnemonic, text).width() > width;
  };
  if (text.isEmpty() || !wide(font)) return font;
  QFont fitted = font;
  int pixels = QFontInfo(font).pixelSize();
  // Smaller than 6 pixels no text reads; there it is left to be cut.
  do {
    fitted.setPixelSize(--pixels);
  } while (pixels > 6 && wide(fitted));
  return fitted;
}

}  // namespace tk
