#pragma once

#include <juce_graphics/juce_graphics.h>

/** Makes the X display, when there is one, safe for test windows: the framework
    looks up window-manager atoms that a bare virtual server has not made yet, and
    Xlib's default error handler would end the process over them. Call once at start.
*/
void prepareDisplayForWindows();

/** Whether tests can open real windows in this run. */
bool hasDisplayForWindows();

/** What the display shows in an area of the screen, whichever program drew it. */
juce::Image grabScreen (juce::Rectangle<int> area);

/** A top-level window as the display shows it, whichever program made it. */
struct DisplayedWindow
{
    unsigned long id = 0;
    bool shown = false;
    juce::Rectangle<int> bounds;
};

/** The first window with this title, inside a window manager's frame or not, or
    an empty one (id 0) if there is none. Its bounds are in screen coordinates.
*/
DisplayedWindow findWindow (const juce::String& title);

/** Moves a window from outside its program, as a window manager or a user would. */
void moveWindowFromOutside (unsigned long id, juce::Point<int> position);
