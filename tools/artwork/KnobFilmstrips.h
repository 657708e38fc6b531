#pragma once

#include <juce_graphics/juce_graphics.h>

/** The three knob filmstrips: 127 frames of 70 x 70 stacked top to bottom,
    frame 0 at the minimum, 63 at the centre and 126 at the maximum.
*/
namespace artwork
{
    /** The knob's direction in frame k: radians clockwise from straight up, from
    the lower left (frame 0) over the top (frame 63) to the lower right (frame 126).
*/
    float knobAngleForFrame (int frame);

    /** Silver knob over a ring of engraved ticks, with a blue pointer; the centre
    frame marks the top tick in yellow. Uses the whole 70 x 70 frame.
*/
    juce::Image drawGainKnobStrip();

    /** Dark knob whose blue arc grows clockwise from the lower left; frame 0 marks
    the start of the arc in yellow. Draws only inside the inner 60 x 60.
*/
    juce::Image drawUnipolarKnobStrip();

    /** Dark knob whose blue arc runs from the top towards the pointer, left below
    the centre frame and right above it; the centre frame shows no arc and a
    yellow mark at the top. Draws only inside the inner 60 x 60.
*/
    juce::Image drawBipolarKnobStrip();
} // namespace artwork
