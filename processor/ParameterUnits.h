#pragma once

#include <array>
#include <cstddef>

/** The physical units in which the editor's knobs, the renderer, VST3 hosts and
    LV2 hosts show and take the normalised parameter values, and the one piece of
    arithmetic between the two: a value typed into a knob, given on the
    renderer's command line or set on an LV2 port becomes the same normalised
    value, to the last bit.
*/
namespace ParameterUnits
{
    /** A parameter's physical range: the normalised value p shows as
        p x (maximum - minimum) + minimum.
    */
    struct Range
    {
        double minimum;
        double maximum;
    };

    // clang-format off
    // In parameter order; showOnOrbelScene is a toggle and has none.
    constexpr std::array<Range, 5> ranges {{
        { -180.0, 180.0 },  // Azimuth: degrees, clockwise seen from above, 0 straight ahead
        {  -90.0,  90.0 },  // Elevation: degrees, positive upward
        {    0.0,   4.0 },  // Distance: metres, 1 m at 0.25
        {    0.0, 100.0 },  // Width: percent of the layout's channel offsets
        {  -90.0,  10.0 },  // Gain: decibels, 0 dB at 0.9
    }};
    // clang-format on

    constexpr int numRanges = static_cast<int> (ranges.size());

    constexpr const Range& rangeOf (int index) noexcept
    {
        return ranges[static_cast<std::size_t> (index)];
    }

    /** The normalised value of a value in the parameter's units. */
    constexpr float toNormalised (int index, double value) noexcept
    {
        const auto& range = rangeOf (index);
        return static_cast<float> ((value - range.minimum) / (range.maximum - range.minimum));
    }

    /** A normalised value in the parameter's units. */
    constexpr double toUnits (int index, float normalised) noexcept
    {
        const auto& range = rangeOf (index);
        return static_cast<double> (normalised) * (range.maximum - range.minimum) + range.minimum;
    }

    /** The showOnOrbelScene toggle: shown from 0.5 up. */
    constexpr bool isShown (float normalised) noexcept
    {
        return normalised >= 0.5f;
    }
} // namespace ParameterUnits
