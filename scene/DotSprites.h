#pragma once

#include <juce_graphics/juce_graphics.h>

#include <map>
#include <tuple>

/** Channel dots drawn from small pre-rendered images instead of being filled as
    shapes one by one: with hundreds of instances in the scene, building each
    dot's outline is most of what a repaint costs. A dot's centre and diameter
    are kept to a quarter of a pixel, which no one can see.
*/
class DotSprites
{
public:
    DotSprites() = default;

    /** Draws a filled dot of the colour, centred on a point. */
    void draw (juce::Graphics&, juce::Point<float> centre, float diameter, juce::Colour);

private:
    using Key = std::tuple<int, juce::uint32, int, int>; // quarter-pixel diameter, colour, quarter-pixel phases

    const juce::Image& spriteFor (int quarterDiameter, juce::Colour, int phaseX, int phaseY);

    std::map<Key, juce::Image> sprites;

    JUCE_DECLARE_NON_COPYABLE (DotSprites)
};
