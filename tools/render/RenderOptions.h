#pragma once

#include <juce_core/juce_core.h>

#include <optional>

/** What one run of the offline renderer is asked to do. Angles, distance, width
    and gain are in the units the editor shows.
*/
struct RenderOptions
{
    juce::File input; // none: the embedded demo signal
    juce::File output { juce::File::getCurrentWorkingDirectory().getChildFile ("velorin-render.wav") };
    float azimuthDegrees = 0.0f;
    float elevationDegrees = 0.0f;
    float distanceMetres = 1.0f;
    float widthPercent = 0.0f;
    float gainDecibels = 0.0f;
    int convention = 1; // 0 FuMa, 1 ambiX
    int layout = -1; // -1: chosen from the input's channel count, as a host would
    int attenuation = 0; // 0 "Off", 1-5
    int blockSize = 512;
    bool showHelp = false;
};

/** The options, or the one-line reason why the command line is not acceptable. */
struct ParsedOptions
{
    std::optional<RenderOptions> options;
    juce::String error;
};

ParsedOptions parseRenderOptions (const juce::StringArray& arguments);

/** The text --help prints. */
juce::String renderUsage();
