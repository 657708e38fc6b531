#pragma once

#include "InputChannels.h"

#include <processor/InputLayouts.h>

/** The input layout a render uses and why, or why none fits. */
struct LayoutChoice
{
    int layoutId = InputLayouts::noLayout;
    juce::String reason;
    juce::String error;
};

/** The layout asked for with --layout; else, for a file, the layout with the speakers
    it names (in a channel mask or a channel layout), in the file's order, or without
    them the usual order for its channel count (WAV's; Vorbis's for an Ogg Vorbis
    file); else (no file: the built-in demo) "Mono".
*/
LayoutChoice chooseInputLayout (int requestedLayout, const InputChannels* file, const juce::String& fileName);
