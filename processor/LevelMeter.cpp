#include "LevelMeter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace LevelMeter
{

    float peakOf (const float* samples, int numSamples) noexcept
    {
        typedef float Float4 __attribute__ ((vector_size (16)));

        // Four running maxima side by side; a NaN never compares greater, so it is passed over.
        Float4 peaks {};
        auto i = 0;

        for (; i + 4 <= numSamples; i += 4)
        {
            Float4 block;
            std::memcpy (&block, samples + i, sizeof (block));
            const Float4 magnitudes { std::abs (block[0]), std::abs (block[1]), std::abs (block[2]), std::abs (block[3]) };
            const auto larger = magnitudes > peaks;
            peaks = larger ? magnitudes : peaks;
        }

        auto peak = 0.0f;

        for (auto lane = 0; lane < 4; ++lane)
            peak = peaks[lane] > peak ? peaks[lane] : peak;

        for (; i < numSamples; ++i)
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
