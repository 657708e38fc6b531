#pragma once

/** The physical units in which the editor, the pads and the renderer show and
    take the normalised parameter values.
*/
namespace ParameterUnits
{
    constexpr float degreesPerAzimuthUnit = 360.0f;
    constexpr float degreesPerElevationUnit = 180.0f;
    constexpr float metresPerDistanceUnit = 4.0f;
    constexpr float percentPerWidthUnit = 100.0f;
    constexpr float decibelsPerGainUnit = 100.0f;
    constexpr float gainOffsetDecibels = 90.0f;

    // Azimuth: degrees, clockwise seen from above, 0 straight ahead.
    constexpr float azimuthDegrees (float value) noexcept { return (value - 0.5f) * degreesPerAzimuthUnit; }
    constexpr float azimuthValue (float degrees) noexcept { return degrees / degreesPerAzimuthUnit + 0.5f; }

    // Elevation: degrees, positive upward.
    constexpr float elevationDegrees (float value) noexcept { return (value - 0.5f) * degreesPerElevationUnit; }
    constexpr float elevationValue (float degrees) noexcept { return degrees / degreesPerElevationUnit + 0.5f; }

    // Distance: metres, 1 = 4 m.
    constexpr float distanceMetres (float value) noexcept { return value * metresPerDistanceUnit; }
    constexpr float distanceValue (float metres) noexcept { return metres / metresPerDistanceUnit; }

    // Width: percent of the layout's channel offsets.
    constexpr float widthPercent (float value) noexcept { return value * percentPerWidthUnit; }
    constexpr float widthValue (float percent) noexcept { return percent / percentPerWidthUnit; }

    // Gain: decibels from -90 to +10, 0 dB at 0.9.
    constexpr float gainDecibels (float value) noexcept { return decibelsPerGainUnit * value - gainOffsetDecibels; }
    constexpr float gainValue (float decibels) noexcept { return (decibels + gainOffsetDecibels) / decibelsPerGainUnit; }
} // namespace ParameterUnits
