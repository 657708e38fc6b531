#include "Lv2ParameterPorts.h"

#include <processor/ParameterUnits.h>
#include <processor/VevazovAzudAudioProcessor.h>

#include <cmath>
#include <limits>
#include <utility>

namespace
{
    // A float carries at most nine significant digits.
    constexpr int mostDecimalPlaces = 9;

    // Float steps tried either side of the nearest float when no decimal reads back.
    constexpr int neighbouringSteps = 2;

    bool hasUnits (int parameterIndex) noexcept
    {
        return parameterIndex >= 0 && parameterIndex < ParameterUnits::numRanges;
    }
} // namespace

Lv2ParameterPorts::Lv2ParameterPorts (VevazovAzudAudioProcessor& processorToControl) noexcept
    : processor (processorToControl)
{
    // A host's ports start at the defaults the plug-in declares, which a new processor holds.
    for (auto index = 0; index < numPorts; ++index)
        lastHostValues[static_cast<size_t> (index)] = portValue (index, processor.getParameterValue (index));
}

float Lv2ParameterPorts::normalisedValue (int parameterIndex, float value) noexcept
{
    return hasUnits (parameterIndex) ? ParameterUnits::toNormalised (parameterIndex, static_cast<double> (value)) : value;
}

float Lv2ParameterPorts::portValue (int parameterIndex, float normalised) noexcept
{
    if (parameterIndex == VevazovAzudAudioProcessor::showOnSceneIndex)
        return ParameterUnits::isShown (normalised) ? 1.0f : 0.0f;

    if (! hasUnits (parameterIndex))
        return normalised;

    const auto readsBack = [&] (float candidate)
    { return normalisedValue (parameterIndex, candidate) == normalised; };

    const auto exact = ParameterUnits::toUnits (parameterIndex, normalised);
    auto scale = 1.0;

    for (auto places = 0; places <= mostDecimalPlaces; ++places, scale *= 10.0)
    {
        // Adding zero turns a rounded -0 into 0.
        const auto candidate = static_cast<float> (std::round (exact * scale) / scale) + 0.0f;

        if (readsBack (candidate))
            return candidate;
    }

    const auto nearest = static_cast<float> (exact);
    auto above = nearest, below = nearest;

    for (auto step = 0; step < neighbouringSteps; ++step)
    {
        above = std::nextafter (above, std::numeric_limits<float>::infinity());
        below = std::nextafter (below, -std::numeric_limits<float>::infinity());

        for (const auto candidate : { above, below })
            if (readsBack (candidate))
                return candidate;
    }

    return nearest;
}

void Lv2ParameterPorts::connect (int parameterIndex, const float* port) noexcept
{
    if (parameterIndex >= 0 && parameterIndex < numPorts)
        ports[static_cast<size_t> (parameterIndex)] = port;
}

std::optional<float> Lv2ParameterPorts::hostValue (int index) const noexcept
{
    const auto* port = ports[static_cast<size_t> (index)];

    if (port == nullptr)
        return {};

    const auto value = *port;

    // A value that is not a number never reaches the encoders.
    if (! std::isfinite (value))
        return {};

    return value;
}

void Lv2ParameterPorts::applyHostValues() noexcept
{
    for (auto index = 0; index < numPorts; ++index)
    {
        const auto value = hostValue (index);
        const auto slot = static_cast<size_t> (index);
        auto& last = lastHostValues[slot];

        if (! value.has_value() || *value == last)
            continue;

        last = *value;
        const auto savedNormalised = std::exchange (readAsNormalised[slot], false);
        processor.setParameter (index, savedNormalised ? *value : normalisedValue (index, *value));

        if (savedNormalised)
            showsNormalisedValues = true;
    }
}

void Lv2ParameterPorts::stateRestored (SavedPorts saved) noexcept
{
    lastHostValues.fill (std::numeric_limits<float>::quiet_NaN());
    readAsNormalised.fill (saved == SavedPorts::normalised);
    showsNormalisedValues = false;
}
