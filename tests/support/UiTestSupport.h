#pragma once
// For tests of the program's windows: a clean slate of run state and
// preference file, and the file itself.
#include <filesystem>
#include <functional>
#include <string>

namespace uitest {

// The preference folder and file the program uses.
std::filesystem::path PrefsFolder();
std::filesystem::path PrefsFile();

// Closes every window, deletes the preference folder, and puts the module
// state and the application object back as a fresh run has them. Installs
// a FakeDialogs seam that cancels everything (tests install their own after).
void ResetRun();

// Writes the preference file (lines given with "\n", stored with CR).
void WritePrefs(const std::string& lines);
// The preference file with its CRs shown as "\n"; "" when it is missing.
std::string ReadPrefs();

// Runs the event loop until `done` answers true or `ms` pass; answers what
// `done` last said. Timers on a busy machine can lag well behind the clock.
bool RunEventsUntil(const std::function<bool()>& done, int ms = 10000);

}  // namespace uitest
