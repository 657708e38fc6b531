#pragma once

/** The meter rule: a peak level on a -60 ... +10 dB scale read as 0..1, rising
    at once and falling 10 % of the distance per block.
*/
namespace LevelMeter
{
    constexpr float floorDb = -60.0f;
    constexpr float ceilingDb = 10.0f;
    constexpr float silenceDb = -100.0f;
    constexpr float rangeDb = ceilingDb - floorDb;
    constexpr double fallKeep = 0.9;
    constexpr double fallTake = 0.1;

    /** The largest absolute sample value; NaN samples are passed over. */
    float peakOf (const float* samples, int numSamples) noexcept;

    /** The meter reading, 0..1, of a peak level. */
    float valueForPeak (float peak) noexcept;

    /** The meter's next value after a block with the given peak. */
    float nextValue (float oldValue, float peak) noexcept;
} // namespace LevelMeter
