#pragma once
// The run settings fixed at start-up, and the program's own start-up.
#include <cstdint>
#include <memory>

#include "prefs/iniClass.h"

namespace Module1 {

// The one preference store: TarnwickLanes.ini in the folder
// OxlTarnwickLanes of the user's preferences folder.
inline std::shared_ptr<iniClass> myINI;
// Prints allowed per opening of the simple window ([All] PrintLimit, else 3).
inline std::int64_t PrintLimit = 0;

// Makes the preference store, builds and marks the border designs, reads
// the print limit and the choice of main window, and opens that window.
void Initialize();
// Makes the preference folder (leaving an existing one as it is) and the
// store on the file in it; the file itself is not made.
void SetupINIandPrefs();

}  // namespace Module1
