#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <optional>

/** What an input file says about its channels: how many, and the speakers it names
    for them in its order, read the same way from a WAV file's channel mask, a FLAC
    file's channel-mask tag and an AIFF file's channel layout.
*/
struct InputChannels
{
    int numChannels = 0;

    /** Set when the file names its speakers. */
    std::optional<juce::Array<juce::AudioChannelSet::ChannelType>> speakers;

    /** What named them: "channel mask" or "channel layout". */
    juce::String namedBy;

    /** Why the speakers the file names cannot be read, when they cannot. */
    juce::String problem;

    /** Ogg Vorbis files name no speakers: Vorbis fixes the order of each channel count. */
    bool inVorbisOrder = false;
};

/** The channels of a file that a reader of the framework opened. */
InputChannels readInputChannels (const juce::File& file, const juce::AudioFormatReader& reader);
