#include "WindowSupport.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <unistd.h>

namespace
{
    Display* display = nullptr;

    int ignoreErrors (Display*, XErrorEvent*)
    {
        return 0;
    }

    // The window-manager atoms the framework asks for only if they already exist.
    constexpr const char* windowManagerAtoms[] {
        "WM_PROTOCOLS",
        "WM_TAKE_FOCUS",
        "WM_DELETE_WINDOW",
        "_NET_WM_PING",
        "WM_CHANGE_STATE",
        "WM_STATE",
        "_NET_WM_WINDOW_TYPE",
        "_NET_WM_STATE",
        "_NET_WM_STATE_HIDDEN",
        "_NET_WM_STATE_FULLSCREEN",
        "_NET_FRAME_EXTENTS",
        "_NET_WORKAREA",
        "_MOTIF_WM_HINTS",
        "_NET_WM_ALLOWED_ACTIONS",
        "_NET_WM_WINDOW_TYPE_NORMAL",
        "_NET_WM_WINDOW_TYPE_COMBO",
        "_NET_WM_STATE_ABOVE",
        "_NET_WM_STATE_SKIP_TASKBAR",
    };
} // namespace

void prepareDisplayForWindows()
{
    if (display != nullptr || std::getenv ("DISPLAY") == nullptr)
        return;

    // This connection stays open: a server whose last client leaves resets and forgets its atoms.
    // A server resetting because the previous test program just left refuses connections
    // for a moment, so a few tries are made before the display counts as missing.
    for (auto attempt = 0; attempt < 50 && display == nullptr; ++attempt)
    {
        display = XOpenDisplay (nullptr);

        if (display == nullptr)
            usleep (100000);
    }

    if (display == nullptr)
        return;

    XSetErrorHandler (ignoreErrors);

    for (const auto* name : windowManagerAtoms)
        XInternAtom (display, name, False);

    XSync (display, False);
}

bool hasDisplayForWindows()
{
    return display != nullptr;
}

juce::Image grabScreen (juce::Rectangle<int> area)
{
    juce::Image image (juce::Image::RGB, area.getWidth(), area.getHeight(), true);

    if (display == nullptr)
        return image;

    XSync (display, False);
    auto* grabbed = XGetImage (display, DefaultRootWindow (display), area.getX(), area.getY(), static_cast<unsigned int> (area.getWidth()), static_cast<unsigned int> (area.getHeight()), AllPlanes, ZPixmap);

    if (grabbed == nullptr)
        return image;

    for (auto y = 0; y < area.getHeight(); ++y)
        for (auto x = 0; x < area.getWidth(); ++x)
            image.setPixelAt (x, y, juce::Colour (static_cast<juce::uint32> (0xff000000 | XGetPixel (grabbed, x, y))));

    XDestroyImage (grabbed);
    return image;
}
