#include "WindowManagerAtoms.h"

#if defined(__linux__)
    #define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
    #include <juce_gui_basics/juce_gui_basics.h>

    #include <cstdlib>

namespace
{
    /** The four functions of Xlib this needs, from the library the framework loads too. */
    struct Xlib
    {
        Xlib()
        {
            if (! library.open ("libX11.so.6"))
                return;

            openDisplay = reinterpret_cast<decltype (openDisplay)> (library.getFunction ("XOpenDisplay"));
            internAtom = reinterpret_cast<decltype (internAtom)> (library.getFunction ("XInternAtom"));
            sync = reinterpret_cast<decltype (sync)> (library.getFunction ("XSync"));
            closeDisplay = reinterpret_cast<decltype (closeDisplay)> (library.getFunction ("XCloseDisplay"));
        }

        bool isComplete() const noexcept { return openDisplay != nullptr && internAtom != nullptr && sync != nullptr && closeDisplay != nullptr; }

        juce::DynamicLibrary library;
        ::Display* (*openDisplay) (const char*) = nullptr;
        Atom (*internAtom) (::Display*, const char*, Bool) = nullptr;
        int (*sync) (::Display*, Bool) = nullptr;
        int (*closeDisplay) (::Display*) = nullptr;
    };

    Xlib& xlib()
    {
        static Xlib loaded;
        return loaded;
    }
} // namespace

ScopedWindowManagerAtoms::ScopedWindowManagerAtoms()
{
    if (std::getenv ("DISPLAY") == nullptr || juce::XWindowSystem::getInstanceWithoutCreating() != nullptr || ! xlib().isComplete())
        return;

    auto* connection = xlib().openDisplay (nullptr);

    if (connection == nullptr)
        return;

    for (const auto* name : names)
        xlib().internAtom (connection, name, False);

    xlib().sync (connection, False);
    display = connection;
}

ScopedWindowManagerAtoms::~ScopedWindowManagerAtoms()
{
    if (display != nullptr)
        xlib().closeDisplay (static_cast<::Display*> (display));
}
#else
ScopedWindowManagerAtoms::ScopedWindowManagerAtoms() = default;
ScopedWindowManagerAtoms::~ScopedWindowManagerAtoms() = default;
#endif
