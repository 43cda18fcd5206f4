#pragma once
#include <QColor>
#include <cstdint>

namespace tk {

// A 24-bit RGB colour written &hRRGGBB (0xRRGGBB here).
using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b) {
  return (Color(r & 0xFF) << 16) | (Color(g & 0xFF) << 8) | Color(b & 0xFF);
}
constexpr int Red(Color c) { return int((c >> 16) & 0xFF); }
constexpr int Green(Color c) { return int((c >> 8) & 0xFF); }
constexpr int Blue(Color c) { return int(c & 0xFF); }

// The colour as Qt draws it.
inline QColor ToQColor(Color c) { return QColor(Red(c), Green(c), Blue(c)); }

}  // namespace tk
