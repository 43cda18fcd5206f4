#pragma once
// The text design values that several controls share: TextFont ("System" is
// the standard font), TextSize (0 is the standard size) in TextUnit (0 the
// standard unit, pixels; 1 pixels, 2 points, 3 inches, 4 millimetres),
// Bold, Italic, Underline and TextColor (black, 0x000000, is the desktop's
// ordinary text colour, whatever it is).
#include <QFont>
#include <QString>
#include <string>

#include "ui/toolkit/Properties.h"

class QWidget;

namespace tk {

// True when name is one of the text design values (and applies it to w).
bool ApplyTextProperty(QWidget* w, const std::string& name, const PropertyValue& value);

// font, or the same in a smaller size where text (with "&" before the letter
// of its access key) would be wider than width pixels, so that a caption in
// a control of fixed size shows whole whatever the desktop's font.
QFont FitToWidth(const QFont& font, const QString& text, int width);

}  // namespace tk
