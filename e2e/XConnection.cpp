#include "e2e/XConnection.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

// Windows come and go under the tests' feet (a game that just ended); a request
// about one that is gone fails quietly instead of ending the test program.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

bool namedAndViewable(Display* display, Window window, const std::string& name)
{
    XWindowAttributes attributes{};
    char* text = nullptr;
    bool found = XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable &&
                 XFetchName(display, window, &text) != 0 && text != nullptr && name == text;
    XFree(text);
    return found;
}

}

XConnection::XConnection() : display_(XOpenDisplay(nullptr))
{
    XSetErrorHandler(ignoreError);
}

XConnection::~XConnection()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

WindowId XConnection::find(const std::string& name, WindowId under) const
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, under != 0 ? under : DefaultRootWindow(display_), &root, &parent, &children, &count) == 0)
        return 0;
    WindowId found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i)
        found = namedAndViewable(display_, children[i], name) ? children[i] : find(name, children[i]);
    XFree(children);
    return found;
}

std::pair<int, int> XConnection::size(WindowId window) const
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    return {attributes.width, attributes.height};
}

void XConnection::resize(WindowId window, int width, int height)
{
    XResizeWindow(display_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(display_, False);
}

Picture XConnection::grab(WindowId window) const
{
    auto [width, height] = size(window);
    XImage* image = width > 0 ? XGetImage(display_, window, 0, 0, static_cast<unsigned>(width),
                                          static_cast<unsigned>(height), AllPlanes, ZPixmap)
                              : nullptr;
    if (image == nullptr)
        return {};
    Picture picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    const unsigned long masks[] = {image->red_mask, image->green_mask, image->blue_mask};
    std::uint8_t* rgb = picture.rgb.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            for (unsigned long mask : masks)
                *rgb++ = static_cast<std::uint8_t>((pixel & mask) >> __builtin_ctzl(mask));
        }
    XDestroyImage(image);
    return picture;
}

void XConnection::movePointer(WindowId window, int x, int y)
{
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XSync(display_, False);
}

void XConnection::button(unsigned button, bool down)
{
    XTestFakeButtonEvent(display_, button, down, CurrentTime);
    XSync(display_, False);
}

void XConnection::key(const std::string& keyName, bool down)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, XStringToKeysym(keyName.c_str())), down, CurrentTime);
    XSync(display_, False);
}
