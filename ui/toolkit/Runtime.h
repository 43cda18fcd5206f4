#pragma once

namespace tk {

// Starts the toolkit (the Qt application object) once per process. Every
// event the toolkit delivers passes through one guard that hands an
// exception escaping a handler to ReportUnhandledException.
void InitRuntime(int& argc, char** argv);

// Handles the events that are waiting, deferred deletions included, then
// returns (tests, and code that must let the screen catch up).
void ProcessEvents();
// The same for ms milliseconds, waiting for events to come in.
void ProcessEventsFor(int ms);

}  // namespace tk
