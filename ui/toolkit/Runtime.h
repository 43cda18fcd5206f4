#pragma once

namespace tk {

// Starts the toolkit (the Qt application object) once per process.
void InitRuntime(int& argc, char** argv);

}  // namespace tk
