// The Windows side of DisplaySync: swap control through WGL, the refresh rate
// as Windows reports it for the monitor the window is on.
#include "app/DisplaySync.h"

#include <windows.h>

#include <GL/gl.h>
#include <cstring>

namespace {

// An extension name is a whole word of the space-separated list.
bool listsExtension(const char* extensions, const char* name)
{
    std::size_t length = std::strlen(name);
    for (const char* found = extensions; found != nullptr && (found = std::strstr(found, name)) != nullptr;
         found += length) {
        bool startsWord = found == extensions || found[-1] == ' ';
        bool endsWord = found[length] == ' ' || found[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

template <typename Function>
Function wglFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}

// 0 and 1 stand for the hardware's default rate, which says nothing.
double knownRate(long rate)
{
    return rate > 1 ? static_cast<double>(rate) : 0;
}

}

bool requestVsync()
{
    if (wglGetCurrentContext() == nullptr)
        return false;
    // Drivers list the extension among the WGL extensions, older ones among
    // the GL extensions; only then may its function be called.
    using ExtensionsString = const char*(WINAPI*)();
    auto wglExtensions = wglFunction<ExtensionsString>("wglGetExtensionsStringEXT");
    bool offered = (wglExtensions != nullptr && listsExtension(wglExtensions(), "WGL_EXT_swap_control")) ||
                   listsExtension(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), "WGL_EXT_swap_control");
    using SwapInterval = BOOL(WINAPI*)(int);
    auto setInterval = offered ? wglFunction<SwapInterval>("wglSwapIntervalEXT") : nullptr;
    return setInterval != nullptr && setInterval(1);
}

double displayRefreshRate()
{
    HDC context = wglGetCurrentDC();
    if (context == nullptr)
        return 0;
    // The monitor that holds most of the window, else the primary one.
    MONITORINFOEXW monitor{};
    monitor.cbSize = sizeof monitor;
    HMONITOR handle = MonitorFromWindow(WindowFromDC(context), MONITOR_DEFAULTTOPRIMARY);
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (GetMonitorInfoW(handle, &monitor) && EnumDisplaySettingsW(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode) &&
        knownRate(mode.dmDisplayFrequency) > 0)
        return knownRate(mode.dmDisplayFrequency);
    return knownRate(GetDeviceCaps(context, VREFRESH));
}
