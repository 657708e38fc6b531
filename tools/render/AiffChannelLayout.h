#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>

/** The speakers an AIFF or AIFF-C file names for its channels, in its "CHAN"
    chunk: the channel layout that Apple's tools write, as a speaker bitmap (the
    bits of a WAV file's channel mask), as one label per channel, or as one of the
    layout tags of mono, stereo, quadraphonic and 5.1 in the WAV order.
*/
struct AiffChannelLayout
{
    /** In the file's channel order; empty when the file names none. */
    juce::Array<juce::AudioChannelSet::ChannelType> speakers;

    /** Why the file's layout cannot be read as speakers, when it cannot. */
    juce::String problem;

    /** Reads the chunks of a whole file's bytes up to its layout, if it has one;
        nothing for bytes that are not an AIFF file's.
    */
    static std::optional<AiffChannelLayout> read (juce::InputStream& file);

    /** The speakers of a WAV channel mask, in the order of its bits. */
    static juce::Array<juce::AudioChannelSet::ChannelType> speakersOfMask (juce::uint32 mask);
};
