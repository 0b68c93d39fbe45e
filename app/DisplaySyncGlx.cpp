// The X11 side of DisplaySync: swap control through GLX, the refresh rate
// through XRandR.
#include "app/DisplaySync.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstring>
#include <memory>

namespace {

// An extension name is a whole word of the space-separated list.
bool listsExtension(const char* extensions, const char* name)
{
    std::size_t length = std::strlen(name);
    for (const char* found = extensions; (found = std::strstr(found, name)) != nullptr; found += length) {
        bool startsWord = found == extensions || found[-1] == ' ';
        bool endsWord = found[length] == ' ' || found[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

int screenOf(Display* display, Window window)
{
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return DefaultScreen(display);
    return XScreenNumberOfScreen(attributes.screen);
}

template <typename Function>
Function glxFunction(const char* name)
{
    return reinterpret_cast<Function>(glXGetProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

struct ResourcesFree {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct CrtcFree {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};
struct OutputFree {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};
using ScreenResources = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcFree>;

// Refreshes per second of a mode: its pixel clock over the pixels of a whole
// frame, blanking included, an interlaced mode showing half a frame a field.
double modeRate(const XRRScreenResources& resources, RRMode id)
{
    for (int i = 0; i < resources.nmode; ++i) {
        const XRRModeInfo& mode = resources.modes[i];
        if (mode.id != id || mode.hTotal == 0 || mode.vTotal == 0)
            continue;
        double lines = mode.vTotal;
        if (mode.modeFlags & RR_DoubleScan)
            lines *= 2;
        if (mode.modeFlags & RR_Interlace)
            lines /= 2;
        return static_cast<double>(mode.dotClock) / (mode.hTotal * lines);
    }
    return 0;
}

bool holdsPoint(const XRRCrtcInfo& crtc, int x, int y)
{
    return crtc.mode != None && x >= crtc.x && y >= crtc.y && x < crtc.x + static_cast<int>(crtc.width) &&
           y < crtc.y + static_cast<int>(crtc.height);
}

RRCrtc primaryCrtc(Display* display, Window root, XRRScreenResources* resources)
{
    RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary == None)
        return None;
    std::unique_ptr<XRROutputInfo, OutputFree> output(XRRGetOutputInfo(display, resources, primary));
    return output ? output->crtc : None;
}

}

bool requestVsync()
{
    Display* display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    if (display == nullptr || drawable == None)
        return false;
    const char* extensions = glXQueryExtensionsString(display, screenOf(display, drawable));
    if (extensions == nullptr)
        return false;
    if (listsExtension(extensions, "GLX_EXT_swap_control")) {
        using SwapInterval = void (*)(Display*, GLXDrawable, int);
        if (auto setInterval = glxFunction<SwapInterval>("glXSwapIntervalEXT")) {
            setInterval(display, drawable, 1);
            return true;
        }
    }
    if (listsExtension(extensions, "GLX_MESA_swap_control")) {
        using SwapInterval = int (*)(unsigned);
        if (auto setInterval = glxFunction<SwapInterval>("glXSwapIntervalMESA"))
            return setInterval(1) == 0;
    }
    return false;
}

double displayRefreshRate()
{
    Display* display = glXGetCurrentDisplay();
    Window window = glXGetCurrentDrawable();
    int eventBase = 0, errorBase = 0;
    if (display == nullptr || window == None || !XRRQueryExtension(display, &eventBase, &errorBase))
        return 0;
    Window root = RootWindow(display, screenOf(display, window));
    ScreenResources resources(XRRGetScreenResourcesCurrent(display, root));
    if (!resources)
        return 0;
    XWindowAttributes attributes{};
    int centreX = 0, centreY = 0;
    Window child = None;
    XGetWindowAttributes(display, window, &attributes);
    XTranslateCoordinates(display, window, root, attributes.width / 2, attributes.height / 2, &centreX, &centreY,
                          &child);
    for (int i = 0; i < resources->ncrtc; ++i) {
        CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), resources->crtcs[i]));
        if (crtc && holdsPoint(*crtc, centreX, centreY))
            return modeRate(*resources, crtc->mode);
    }
    RRCrtc primary = primaryCrtc(display, root, resources.get());
    if (primary == None)
        return 0;
    CrtcInfo crtc(XRRGetCrtcInfo(display, resources.get(), primary));
    return crtc ? modeRate(*resources, crtc->mode) : 0;
}
