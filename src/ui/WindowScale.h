#pragma once

#include <windows.h>

// The screen scale of one window. Where the system scales per monitor (Windows 10 1607
// on) a window on a 150 % monitor beside a 100 % one has its own dots per inch, which
// the system-wide metrics do not follow.

// Dots per inch of the window: 96 at 100 %.
int WindowDpi(HWND window);

// A length given for 96 dpi, in pixels at `dpi`.
int ScaledLength(int length, int dpi);

// A system metric (an SM_ index) as it is at `dpi`.
int SystemMetricAt(int index, int dpi);
