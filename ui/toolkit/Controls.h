#pragma once
// Everything a window's code needs from the toolkit.
#include "ui/toolkit/BevelButton.h"
#include "ui/toolkit/Canvas.h"
#include "ui/toolkit/Control.h"
#include "ui/toolkit/GroupBox.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/Menu.h"
#include "ui/toolkit/PushButton.h"
#include "ui/toolkit/RadioButton.h"
#include "ui/toolkit/Rectangle.h"
#include "ui/toolkit/Slider.h"
#include "ui/toolkit/Timer.h"
#include "ui/toolkit/Window.h"
