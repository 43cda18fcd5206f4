#pragma once
// The text design values that several controls share: TextFont ("System" is
// the standard font), TextSize (pixels; 0 is the standard size), Bold,
// Italic, Underline and TextColor.
#include <string>

#include "ui/toolkit/Properties.h"

class QWidget;

namespace tk {

// True when name is one of the text design values (and applies it to w).
bool ApplyTextProperty(QWidget* w, const std::string& name, const PropertyValue& value);

}  // namespace tk
