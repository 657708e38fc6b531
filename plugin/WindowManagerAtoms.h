#pragma once

#include <array>

/** Makes sure the window-manager atoms exist on the X display before the
    framework inside this plug-in first connects to it.

    The framework reads these atoms once, when it opens its display, and only if
    they exist already. On a display without a window manager (a virtual server
    for a headless host or a validator) they do not, and the first window the
    plug-in shows then makes the server report a bad atom; a host that installed
    no X error handler of its own is ended by Xlib's default one. Interning the
    atoms first costs nothing where a window manager made them already.

    A format's entry point holds one of these while the framework's entry runs:
    the connection it opens keeps the server from resetting (and forgetting the
    atoms) until the framework's own connection is open. Does nothing when there
    is no display, when the framework has connected already, or off Linux.
*/
class ScopedWindowManagerAtoms
{
public:
    ScopedWindowManagerAtoms();
    ~ScopedWindowManagerAtoms();

    ScopedWindowManagerAtoms (const ScopedWindowManagerAtoms&) = delete;
    ScopedWindowManagerAtoms& operator= (const ScopedWindowManagerAtoms&) = delete;

    /** The atoms the framework asks for only if they already exist. */
    static constexpr std::array<const char*, 18> names {
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

private:
    void* display = nullptr;
};
