#include "LevelMeter.h"

#include <algorithm>
#include <cmath>

namespace LevelMeter
{

float peakOf (const float* samples, int numSamples) noexcept
{
    auto peak = 0.0f;

    for (auto i = 0; i < numSamples; ++i)
    {
        const auto magnitude = std::abs (samples[i]);
        peak = magnitude > peak ? magnitude : peak;
    }

    return peak;
}

float valueForPeak (float peak) noexcept
{
    auto levelDb = peak > 0.0f ? 20.0f * std::log10 (peak) : floorDb;
    levelDb = levelDb <= silenceDb ? floorDb : std::clamp (levelDb, floorDb, ceilingDb);
    return static_cast<float> (static_cast<double> ((levelDb - ceilingDb) / rangeDb) + 1.0);
}

float nextValue (float oldValue, float peak) noexcept
{
    const auto value = valueForPeak (peak);

    if (value > oldValue)
        return value;

    return static_cast<float> (fallKeep * static_cast<double> (oldValue) + fallTake * static_cast<double> (value));
}

} // namespace LevelMeter
