#pragma once

// Must run before the application object exists: disables the engine's sandbox as root
// and the GPU where none is usable; keeps the engine off the network when idle.
void PrepareWebEngineEnvironment();
