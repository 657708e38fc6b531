#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The options panel as an instance shows it, laid over the editor's top-view
    background, at the editor's size.
*/
juce::Image drawOptionsPanelOverEditor();

/** The options panel with its ADM-OSC settings open, for an instance that sends
    and receives, over the editor's top-view background.
*/
juce::Image drawAdmOscPanelOverEditor();

/** The welcome panel laid over the editor's top-view background. */
juce::Image drawWelcomePanelOverEditor();
