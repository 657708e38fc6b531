#pragma once

#include <juce_graphics/juce_graphics.h>

/** The two 556 x 503 editor backgrounds. Both share the frame: the header band
    with the word marks, the meter panel with its wells and dB scale, and the
    bottom band with the knob captions and the gain knob's gold plate. They
    differ in the pad area.
*/
namespace artwork
{
    /** Top view: the round pad with the listener's head, distance rings and
    azimuth spokes, and the elevation scale beside it.
*/
    juce::Image drawTopViewBackground();

    /** Unwrapped view: the azimuth-by-elevation grid labelled BACK, LEFT, FRONT,
    RIGHT, BACK through its middle, UP above and DOWN below.
*/
    juce::Image drawUnwrappedViewBackground();
} // namespace artwork
