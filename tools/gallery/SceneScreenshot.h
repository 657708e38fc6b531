#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A screenshot of the real scene window on the display, shared by several
    instances with their own colours, labels, layouts, widths and distances, one
    of them under the mouse. An empty image when there is no display.
*/
juce::Image takeSceneScreenshot();
