#pragma once

#include <juce_graphics/juce_graphics.h>

/** Everything the level meters draw on: the input meter strips (wells and
    channel captions for each group of input layouts), the level gradient the
    meters reveal, and the caption naming the four output channels.
*/
namespace artwork
{
    /** The groups of input layouts that share one strip. */
    enum class InputLayoutGroup
    {
        stereo,
        quad,
        fiveOne,
        sevenOne,
        eightZero
    };

    /** The 27 x 332 strip under the input meters of a group: a pair of wells per
    row of meters, at x 6 and x 16, each pair captioned underneath.
*/
    juce::Image drawInputMeterStrip (InputLayoutGroup group);

    /** The 10 x 143 level gradient: green at the bottom through yellow to red at the top. */
    juce::Image drawLevelGradient();

    /** The 38 x 7 caption under the four output meters, one letter under each. */
    juce::Image drawChannelOrderLabel (const juce::String& letters);
} // namespace artwork
