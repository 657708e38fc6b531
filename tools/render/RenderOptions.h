#pragma once

#include "AudioFileFormats.h"
#include "SourcePosition.h"

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

/** What one run of the offline renderer is asked to do. Angles, distance, width
    and gain are in the units the editor shows.
*/
struct RenderOptions
{
    juce::Array<juce::File> inputs; // none: the embedded demo signal
    std::optional<juce::File> output; // none: velorin-render.wav in the working directory
    juce::File outputDirectory; // set: each input renders to <name>-bformat.wav in it
    juce::File path; // set: a CSV file that moves the source over time
    SourcePosition position;
    int convention = 1; // 0 FuMa, 1 ambiX
    int layout = -1; // -1: chosen from the input file
    int attenuation = 0; // 0 "Off", 1-5
    int blockSize = 512;
    std::optional<AudioFileFormats::Type> outputType; // WAV or FLAC; none: from the output's name
    std::optional<int> bits; // 16, 24 or 32 (float); none: 32 for WAV, 24 for FLAC
    bool showHelp = false;
};

/** One input and the file it renders to. */
struct RenderJob
{
    juce::File input; // none: the demo
    juce::File output;
    AudioFileFormats::Type outputType = AudioFileFormats::Type::wav;
    int bits = 32; // 32: float
};

/** The renders the options ask for, in the order the inputs were given. */
std::vector<RenderJob> renderJobs (const RenderOptions& options);

/** The options, or the one-line reason why the command line is not acceptable. */
struct ParsedOptions
{
    std::optional<RenderOptions> options;
    juce::String error;
};

ParsedOptions parseRenderOptions (const juce::StringArray& arguments);

/** The text --help prints. */
juce::String renderUsage();
