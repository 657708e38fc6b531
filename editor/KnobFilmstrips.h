#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** How the knobs pick and draw a frame of their 127-frame filmstrips: frame 0 is
    the minimum, frame 126 the maximum, frame 63 the centre.
*/
namespace KnobFilmstrips
{
    constexpr int frameSize = 70;
    constexpr int lastFrame = 126;
    constexpr int centreFrame = 63;

    /** The arc knobs draw only the inner 60 x 60 of each frame. */
    constexpr int arcKnobMargin = 5;
    constexpr int arcKnobCrop = frameSize - 2 * arcKnobMargin;

    /** floor (position x 126), kept inside the strip whatever the position. */
    int frameFor (float sliderPos) noexcept;

    /** The arc knobs' frame: as frameFor, except that the centre frame shows only
        the exact centre, so anything above it already leans right.
    */
    int arcKnobFrameFor (float sliderPos) noexcept;

    /** Draws an arc knob's frame into the 48 x 48 knob area of the knobs' layout. */
    void drawArcKnob (juce::Graphics&, const void* stripData, int stripSize, float sliderPos);

    /** Draws the gain knob's whole frame, 70 pixels high, at x 45 of its slider area. */
    void drawGainKnob (juce::Graphics&, int areaWidth, float sliderPos);
} // namespace KnobFilmstrips
