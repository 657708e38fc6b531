#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The options panel as an instance shows it, laid over the editor's top-view
    background, at the editor's size.
*/
juce::Image drawOptionsPanelOverEditor();

/** The welcome panel laid over the editor's top-view background. */
juce::Image drawWelcomePanelOverEditor();
