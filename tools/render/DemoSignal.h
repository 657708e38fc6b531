#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

/** The renderer's built-in input: a mono plucked melody with a bright, steady
    timbre and clear attacks, easy to follow around a B-format player's sphere.
*/
juce::AudioBuffer<float> makeDemoSignal (double sampleRate);
