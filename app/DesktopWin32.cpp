// The Windows side of Desktop: the primary monitor's work area, which leaves
// out the taskbar and docked toolbars.
#include "app/Desktop.h"

#include <windows.h>

WorkArea desktopWorkArea()
{
    RECT area{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) && area.right > area.left && area.bottom > area.top)
        return {static_cast<int>(area.left), static_cast<int>(area.top), static_cast<int>(area.right - area.left),
                static_cast<int>(area.bottom - area.top)};
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}
