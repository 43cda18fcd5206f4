#pragma once
// From the process entry to the event loop: the steps run in this order.

// Early start-up, the framework's start with LateStartup_ as its hook, then
// the event loop until the application quits; the exit code. An exception
// escaping these steps is reported to the user.
int Main_();
// File types, then the application object with its menu bar.
void EarlyStartup_();
void InitFileTypes_();
// A new App, its Constructor, its menu bar MenuBar1, registered as the
// application object; then ApplicationAddMenuHandlers_.
void NewAppInstance_();
// Hooks that do nothing.
void ApplicationAddMenuHandlers_();
void LateStartup_();
