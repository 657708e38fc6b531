#include "Lv2ParameterPorts.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <cmath>
#include <limits>

Lv2ParameterPorts::Lv2ParameterPorts (VevazovAzudAudioProcessor& processorToControl) noexcept
    : processor (processorToControl)
{
    // A host's ports start at the defaults the plug-in declares, which a new processor holds.
    for (auto index = 0; index < numPorts; ++index)
        lastHostValues[static_cast<size_t> (index)] = processor.getParameterValue (index);
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
        auto& last = lastHostValues[static_cast<size_t> (index)];

        if (! value.has_value() || *value == last)
            continue;

        last = *value;
        processor.setParameter (index, *value);
    }
}

void Lv2ParameterPorts::stateRestored() noexcept
{
    lastHostValues.fill (std::numeric_limits<float>::quiet_NaN());
}
