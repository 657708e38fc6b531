#include "PcmQuantiser.h"

#include <cmath>

namespace
{
    constexpr int fullWordBits = 32;
}

PcmQuantiser::PcmQuantiser (int bitsPerSample, int numChannels)
    : shift (fullWordBits - bitsPerSample),
      scale (std::ldexp (1.0, bitsPerSample - 1)),
      dither (dithers (bitsPerSample))
{
    for (auto channel = 0; channel < numChannels; ++channel)
        ditherSequences.emplace_back (channel + 1);
}

void PcmQuantiser::quantise (int channel, const float* source, int* destination, int numSamples) noexcept
{
    auto& random = ditherSequences[static_cast<size_t> (channel)];
    const auto largest = scale - 1.0;

    for (auto i = 0; i < numSamples; ++i)
    {
        const auto noise = dither ? static_cast<double> (random.nextFloat()) - static_cast<double> (random.nextFloat()) : 0.0;
        auto step = std::floor (static_cast<double> (source[i]) * scale + noise + 0.5);

        if (! (step <= largest && step >= -scale))
        {
            ++numClipped;
            step = std::isnan (step) ? 0.0 : juce::jlimit (-scale, largest, step);
        }

        // Whole steps in the upper bits of a 32-bit word.
        destination[i] = static_cast<int> (static_cast<juce::uint32> (static_cast<juce::int32> (step)) << shift);
    }
}
