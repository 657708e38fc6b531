#include "WindowSupport.h"

#include <plugin/WindowManagerAtoms.h>

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

    for (const auto* name : ScopedWindowManagerAtoms::names)
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

namespace
{
    juce::String titleOf (Window window)
    {
        XTextProperty name {};

        if (XGetWMName (display, window, &name) == 0 || name.value == nullptr)
            return {};

        // The framework sets window names as UTF-8 text, which XFetchName does not read.
        const auto title = juce::String::fromUTF8 (reinterpret_cast<const char*> (name.value), static_cast<int> (name.nitems));
        XFree (name.value);
        return title;
    }

    DisplayedWindow describe (Window window)
    {
        XWindowAttributes attributes {};
        XGetWindowAttributes (display, window, &attributes);

        // Where it stands on the screen, inside a window manager's frame or not.
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates (display, window, DefaultRootWindow (display), 0, 0, &x, &y, &child);
        return { window, attributes.map_state == IsViewable, { x, y, attributes.width, attributes.height } };
    }

    /** The first window with this title in the tree under the parent, depth first. */
    DisplayedWindow findWindowUnder (Window parent, const juce::String& title)
    {
        Window root = 0, parentOfParent = 0, *children = nullptr;
        unsigned int numChildren = 0;

        if (XQueryTree (display, parent, &root, &parentOfParent, &children, &numChildren) == 0)
            return {};

        DisplayedWindow found;

        for (unsigned int i = 0; i < numChildren && found.id == 0; ++i)
            found = titleOf (children[i]) == title ? describe (children[i]) : findWindowUnder (children[i], title);

        if (children != nullptr)
            XFree (children);

        return found;
    }
} // namespace

DisplayedWindow findWindow (const juce::String& title)
{
    if (display == nullptr)
        return {};

    XSync (display, False);
    return findWindowUnder (DefaultRootWindow (display), title);
}

void moveWindowFromOutside (unsigned long id, juce::Point<int> position)
{
    if (display == nullptr)
        return;

    XMoveWindow (display, id, position.x, position.y);
    XFlush (display);
}
