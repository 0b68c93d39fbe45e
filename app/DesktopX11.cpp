#include "app/Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// A window manager publishes one work area per virtual desktop, four numbers
// each; the first is the one a new window opens on.
bool readWorkArea(Display* display, WorkArea& area)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    Atom property = XInternAtom(display, "_NET_WORKAREA", True);
    bool found = property != None &&
                 XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 4, False, XA_CARDINAL, &type,
                                    &format, &count, &remaining, &data) == Success &&
                 type == XA_CARDINAL && format == 32 && count == 4;
    if (found) {
        const long* numbers = reinterpret_cast<const long*>(data);
        area = {static_cast<int>(numbers[0]), static_cast<int>(numbers[1]), static_cast<int>(numbers[2]),
                static_cast<int>(numbers[3])};
    }
    if (data != nullptr)
        XFree(data);
    return found && area.width > 0 && area.height > 0;
}

}

WorkArea desktopWorkArea()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return {};
    WorkArea area;
    if (!readWorkArea(display, area))
        area = {0, 0, DisplayWidth(display, DefaultScreen(display)), DisplayHeight(display, DefaultScreen(display))};
    XCloseDisplay(display);
    return area;
}
