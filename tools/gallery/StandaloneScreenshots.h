#pragma once

#include <juce_core/juce_core.h>

/** Runs the built Standalone application on the X display, works it with the
    display's own pointer as a user would, and writes screenshots of its window
    (both views, the options panel, the welcome panel) and of the scene window
    beside it into a folder. Returns false, saying why on stderr, when it cannot.
*/
bool takeStandaloneScreenshots (const juce::File& application, const juce::File& folder);
