#pragma once

#include <thread>

// Keeps a thread just started off the processor its starter runs on, so that
// the two run side by side. The scheduler tends to queue a new thread on its
// starter's processor for its first milliseconds, where the two take turns:
// start-up work put on a thread then delays the window instead of running
// beside it. Where the starter may use one processor only, nothing changes.
void ApartaDelProcesadorActual(std::thread& hilo);
