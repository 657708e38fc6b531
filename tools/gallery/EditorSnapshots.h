#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The editor drawn in-process, as a host would show it, for a 7.1 instance in
    each view; names and images for the review folder.
*/
std::vector<std::pair<juce::String, juce::Image>> drawEditorSnapshots();
