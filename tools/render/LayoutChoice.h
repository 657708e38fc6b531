#pragma once

#include <processor/InputLayouts.h>

#include <juce_audio_formats/juce_audio_formats.h>

/** The input layout a render uses and why, or why none fits. */
struct LayoutChoice
{
    int layoutId = InputLayouts::noLayout;
    juce::String reason;
    juce::String error;
};

/** The layout asked for with --layout; else, for a file, the layout with the speakers
    its channel mask names, in the file's order, or without a mask the usual WAV
    order for its channel count; else (no file: the built-in demo) "Mono".
*/
LayoutChoice chooseInputLayout (int requestedLayout, juce::AudioFormatReader* file, const juce::String& fileName);
