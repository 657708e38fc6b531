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
