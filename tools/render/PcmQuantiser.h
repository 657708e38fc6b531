#pragma once

#include <juce_core/juce_core.h>

#include <vector>

/** Turns float samples into whole samples of 16 or 24 bits, in the 32-bit form the
    framework's writers take: rounded to the nearest step, with TPDF dither (two
    uniform randoms summed, one step either side at most) at 16 bits, where the
    rounding error would otherwise be heard as distortion on quiet passages.
    Samples beyond full scale are clipped, and counted.

    Each channel has a dither sequence of its own, so that the output does not
    depend on how the samples are cut into blocks.
*/
class PcmQuantiser
{
public:
    PcmQuantiser (int bitsPerSample, int numChannels);

    /** Whether samples of this depth are dithered. */
    static bool dithers (int bitsPerSample) noexcept { return bitsPerSample <= ditheredDepth; }

    void quantise (int channel, const float* source, int* destination, int numSamples) noexcept;

    /** Samples that were beyond full scale, over every channel so far. */
    juce::int64 getNumClipped() const noexcept { return numClipped; }

private:
    static constexpr int ditheredDepth = 16;

    const int shift;
    const double scale;
    const bool dither;
    std::vector<juce::Random> ditherSequences;
    juce::int64 numClipped = 0;
};
