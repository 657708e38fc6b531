#include "AdmOscMapping.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <cmath>

namespace AdmOsc
{
    namespace
    {
        constexpr float fullTurnDegrees = 360.0f;
        constexpr float halfTurnDegrees = 180.0f;
        constexpr float quarterTurnDegrees = 90.0f;

        // The Gain parameter spans -90 ... +10 dB.
        constexpr float gainRangeDb = 100.0f;
        constexpr float gainOffsetDb = 90.0f;

        // Defaults of the parameters, for values that are not numbers.
        constexpr float centre = 0.5f;
        constexpr float defaultDistance = 0.25f;
        constexpr float defaultGain = 0.9f;

        float unitOr (float value, float fallback) noexcept
        {
            return std::isfinite (value) ? juce::jlimit (0.0f, 1.0f, value) : fallback;
        }
    } // namespace

    juce::String addressOf (int objectNumber, Kind kind)
    {
        return "/adm/obj/" + juce::String (objectNumber) + "/" + infoFor (kind).name;
    }

    Polar polarFromParameters (float azimuth, float elevation, float distance) noexcept
    {
        return { -(unitOr (azimuth, centre) - centre) * fullTurnDegrees,
                 (unitOr (elevation, centre) - centre) * halfTurnDegrees,
                 unitOr (distance, defaultDistance) };
    }

    float widthFromParameter (float width) noexcept
    {
        return unitOr (width, 0.0f);
    }

    float gainFromParameter (float gain) noexcept
    {
        return juce::Decibels::decibelsToGain (gainRangeDb * unitOr (gain, defaultGain) - gainOffsetDb, -1000.0f);
    }

    float azimuthParameter (float degreesLeft) noexcept
    {
        const auto wrapped = std::remainder (degreesLeft, fullTurnDegrees);
        return juce::jlimit (0.0f, 1.0f, centre - wrapped / fullTurnDegrees);
    }

    float elevationParameter (float degreesUp) noexcept
    {
        return juce::jlimit (-quarterTurnDegrees, quarterTurnDegrees, degreesUp) / halfTurnDegrees + centre;
    }

    float distanceParameter (float distance) noexcept
    {
        return juce::jlimit (0.0f, 1.0f, distance);
    }

    float widthParameter (float extent) noexcept
    {
        return juce::jlimit (0.0f, 1.0f, extent);
    }

    float gainParameter (float linear) noexcept
    {
        if (! (linear > 0.0f))
            return 0.0f;

        return juce::jlimit (0.0f, 1.0f, (juce::Decibels::gainToDecibels (linear, -1000.0f) + gainOffsetDb) / gainRangeDb);
    }

    Polar polarFromCartesian (Cartesian position) noexcept
    {
        const auto x = juce::jlimit (-1.0f, 1.0f, position.x);
        const auto y = juce::jlimit (-1.0f, 1.0f, position.y);
        const auto z = juce::jlimit (-1.0f, 1.0f, position.z);
        const auto length = std::sqrt (x * x + y * y + z * z);

        if (length <= 0.0f)
            return {};

        return { juce::radiansToDegrees (-std::atan2 (x, y)),
                 juce::radiansToDegrees (std::asin (juce::jlimit (-1.0f, 1.0f, z / length))),
                 std::min (length, 1.0f) };
    }

    Cartesian cartesianFromPolar (Polar position) noexcept
    {
        const auto azimuth = juce::degreesToRadians (position.azimuth);
        const auto elevation = juce::degreesToRadians (position.elevation);
        const auto horizontal = position.distance * std::cos (elevation);

        return { -horizontal * std::sin (azimuth),
                 horizontal * std::cos (azimuth),
                 position.distance * std::sin (elevation) };
    }
} // namespace AdmOsc
