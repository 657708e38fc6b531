#pragma once

#include "AutomationPath.h"
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
    juce::String layoutReason; // why this layout: from --layout, the channel mask or the count
    double sampleRate = 0.0;
    juce::int64 numSamples = 0;
    juce::String sampleFormat; // "32-bit float WAV", "24-bit FLAC", ...
    juce::int64 clippedSamples = 0; // PCM samples that were beyond full scale
};

struct RenderOutcome
{
    std::optional<RenderResult> result;
    juce::String error;
    int interruptingSignal = 0; // set when Ctrl-C or SIGTERM stopped the render
};

/** Runs the plug-in's processor over the job's input as a host would (prepare, then
    blocks of the host's size, with the path's position set at the start of each
    block) and writes the four B-format channels as it goes. The output file appears
    only once complete: a failed or interrupted run leaves nothing behind, and an
    output that is one of the inputs or the path file is refused before anything is
    written.
*/
RenderOutcome renderOffline (const RenderOptions& options, const RenderJob& job, const AutomationPath& path);

/** A level as "-6.02 dB", or "-inf dB" for silence. */
juce::String decibelText (float linear);
