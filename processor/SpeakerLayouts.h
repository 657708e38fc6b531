#pragma once

#include "InputLayouts.h"

#include <juce_audio_basics/juce_audio_basics.h>

/** The input layouts a VST3 host can name by the speakers of its input bus.

    A VST3 host lists a bus's speakers in one fixed order (L R C Lfe Ls Rs Lc Rc Cs
    Sl Sr ...), so only the layouts written in that order can be named: 4.0
    "L R Ls Rs", 5.1 "L R C Lfe Ls Rs", 7.1 "L R C Lfe Ls Rs Sl Sr" and 8.0
    "L R C Ls Rs Cs Sl Sr". The framework hands a bus over as a set of its own
    channel types, ordered by type: in 7.1 it names the host's Ls and Rs as the
    rear surrounds, which it places after the sides.
*/
namespace SpeakerLayouts
{
    using ChannelType = juce::AudioChannelSet::ChannelType;

    struct NamedLayout
    {
        int layoutId;

        /** The layout's speakers in its slot order, which is the host's channel order. */
        std::array<ChannelType, InputLayouts::maxChannels> speakers;
    };

    using Channel = juce::AudioChannelSet;

    // clang-format off
    constexpr std::array<NamedLayout, 4> namedLayouts {{
        { 2,  { Channel::left, Channel::right, Channel::leftSurround, Channel::rightSurround } },
        { 4,  { Channel::left, Channel::right, Channel::centre, Channel::LFE, Channel::leftSurround, Channel::rightSurround } },
        { 8,  { Channel::left, Channel::right, Channel::centre, Channel::LFE, Channel::leftSurroundRear, Channel::rightSurroundRear, Channel::leftSurroundSide, Channel::rightSurroundSide } },
        { 13, { Channel::left, Channel::right, Channel::centre, Channel::leftSurround, Channel::rightSurround, Channel::centreSurround, Channel::leftSurroundSide, Channel::rightSurroundSide } },
    }};
    // clang-format on

    /** For each channel slot, the channel of the processor's buffer that carries the
        host's channel of the same number.
    */
    using ChannelOrder = std::array<int, InputLayouts::maxChannels>;

    /** The layout whose speakers the bus names, or InputLayouts::noLayout. */
    int layoutNamedBy (const juce::AudioChannelSet& bus);

    /** Where the host's channels sit in the buffer for a bus that names a layout;
        in the buffer's own order for any other bus.
    */
    ChannelOrder hostChannelOrder (const juce::AudioChannelSet& bus);
} // namespace SpeakerLayouts
