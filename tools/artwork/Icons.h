#pragma once

#include <juce_graphics/juce_graphics.h>

/** The small button images: the options gear, the view toggle's two states and
    the scene-visibility eye's two states.
*/
namespace artwork
{
    /** 22 x 22: a white gear on a transparent ground. */
    juce::Image drawGearIcon();

    /** 19 x 19: a blue disc with a white cross (the toggle at rest). */
    juce::Image drawViewCrossIcon();

    /** 19 x 19: a blue disc with a white centre dot (the toggle pressed or on). */
    juce::Image drawViewDotIcon();

    /** 24 x 24: an eye on a rounded light tile, light grey (off) or dark (on). */
    juce::Image drawEyeIcon (bool dark);
} // namespace artwork
