#pragma once

#include "RenderOptions.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>

/** What a successful render wrote. */
struct RenderResult
{
    juce::File output;
    juce::StringArray channelNames; // in output order: W X Y Z or W Y Z X
    std::array<float, 4> peaks {}; // linear, per output channel
    juce::String layoutName;
    double sampleRate = 0.0;
    juce::int64 numSamples = 0;
};

struct RenderOutcome
{
    std::optional<RenderResult> result;
    juce::String error;
};

/** Runs the plug-in's processor over the input as a host would (prepare, then
    blocks of the host's size) and writes the four B-format channels. The output
    file appears only once complete: a failed run leaves nothing behind.
*/
RenderOutcome renderOffline (const RenderOptions& options);

/** A level as "-6.02 dB", or "-inf dB" for silence. */
juce::String decibelText (float linear);
