#pragma once

// Keeps the browser engine's start-up report off the program's terminal:
// Chromium logs only fatal errors, and the engine's own informational lines
// are dropped. Every other message, the program's included, goes on as
// before. Called once, before the first view.
void CallaElMotor();
