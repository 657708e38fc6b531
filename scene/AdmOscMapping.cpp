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
        return addressOf (objectNumber, infoFor (kind).name);
    }

    juce::String addressOf (int objectNumber, const char* property)
    {
        return "/adm/obj/" + juce::String (objectNumber) + "/" + property;
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
        // In doubles, and the elevation from atan2: asin of a ratio near 1 would
        // lose the last digits of a position near straight up or down.
        const auto x = static_cast<double> (juce::jlimit (-1.0f, 1.0f, position.x));
        const auto y = static_cast<double> (juce::jlimit (-1.0f, 1.0f, position.y));
        const auto z = static_cast<double> (juce::jlimit (-1.0f, 1.0f, position.z));
        const auto horizontal = std::hypot (x, y);
        const auto length = std::hypot (horizontal, z);

        if (length <= 0.0)
            return {};

        return { static_cast<float> (juce::radiansToDegrees (-std::atan2 (x, y))),
                 static_cast<float> (juce::radiansToDegrees (std::atan2 (z, horizontal))),
                 static_cast<float> (std::min (length, 1.0)) };
    }

    Cartesian cartesianFromPolar (Polar position) noexcept
    {
        const auto azimuth = juce::degreesToRadians (static_cast<double> (position.azimuth));
        const auto elevation = juce::degreesToRadians (static_cast<double> (position.elevation));
        const auto distance = static_cast<double> (position.distance);
        const auto horizontal = distance * std::cos (elevation);

        return { static_cast<float> (-horizontal * std::sin (azimuth)),
                 static_cast<float> (horizontal * std::cos (azimuth)),
                 static_cast<float> (distance * std::sin (elevation)) };
    }
} // namespace AdmOsc
