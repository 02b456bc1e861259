#pragma once

// Must run before the application object exists: disables the engine's sandbox as root
// and the GPU where none is usable (pages are then drawn by Qt's own painter); keeps the
// engine off the network when idle; keeps the engine's start-up report and the pages'
// console messages off the terminal, unless the user's own logging rules (QT_LOGGING_RULES,
// QT_LOGGING_CONF) ask for them.
void PrepareWebEngineEnvironment();
