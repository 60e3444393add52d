#include "ui/WindowScale.h"

namespace {

// Both exist from Windows 10 1607 on, so they are looked up when the program runs.
template <typename Function>
Function FromUser32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

int DeviceDpi(HWND window) {
    HDC context = GetDC(window);
    const int dpi = GetDeviceCaps(context, LOGPIXELSY);
    ReleaseDC(window, context);
    return dpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using Function = UINT(WINAPI*)(HWND);
    static const Function dpiForWindow = FromUser32<Function>("GetDpiForWindow");
    const int dpi = dpiForWindow ? static_cast<int>(dpiForWindow(window)) : 0;
    // Without the function the process is scaled for the whole system, which its device
    // contexts report.
    return dpi > 0 ? dpi : DeviceDpi(window);
}

int ScaledLength(int length, int dpi) { return MulDiv(length, dpi, 96); }

int SystemMetricAt(int index, int dpi) {
    using Function = int(WINAPI*)(int, UINT);
    static const Function metricForDpi = FromUser32<Function>("GetSystemMetricsForDpi");
    if (metricForDpi) return metricForDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, DeviceDpi(nullptr));
}
