#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** One image of every look-and-feel's controls as the plug-in draws them: the
    knobs at several values, text and invisible buttons in their states, a combo
    box closed and open, and the vertical elevation slider.
*/
juce::Image drawLookAndFeelSheet();
