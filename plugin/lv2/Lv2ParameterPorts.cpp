#include "Lv2ParameterPorts.h"

#include <processor/VevazovAzudAudioProcessor.h>

#include <cmath>
#include <limits>

namespace
{
    constexpr float takeAsItIs = std::numeric_limits<float>::quiet_NaN();
} // namespace

Lv2ParameterPorts::Lv2ParameterPorts (VevazovAzudAudioProcessor& processorToControl) noexcept
    : processor (processorToControl)
{
    // A host's ports start at the defaults the plug-in declares, which a new processor holds.
    for (auto index = 0; index < numPorts; ++index)
        lastHostValues[static_cast<size_t> (index)].store (processor.getParameterValue (index), std::memory_order_relaxed);
}

void Lv2ParameterPorts::connect (int parameterIndex, const float* port) noexcept
{
    if (parameterIndex >= 0 && parameterIndex < numPorts)
        ports[static_cast<size_t> (parameterIndex)].store (port, std::memory_order_relaxed);
}

std::optional<float> Lv2ParameterPorts::hostValue (int index) const noexcept
{
    const auto* port = ports[static_cast<size_t> (index)].load (std::memory_order_relaxed);

    if (port == nullptr)
        return {};

    // The host may write its port while a save reads it: the float is read whole.
    float value;
    __atomic_load (port, &value, __ATOMIC_RELAXED);

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

        if (! value.has_value() || *value == last.load (std::memory_order_relaxed))
            continue;

        const auto wasTakenAsItIs = std::isnan (last.load (std::memory_order_relaxed));
        last.store (*value, std::memory_order_relaxed);

        if (! wasTakenAsItIs)
            processor.setParameter (index, *value);
    }
}

void Lv2ParameterPorts::applyBeforeSave() noexcept
{
    // The run that follows sees the same change and sets the same value again.
    for (auto index = 0; index < numPorts; ++index)
    {
        const auto value = hostValue (index);
        const auto last = lastHostValues[static_cast<size_t> (index)].load (std::memory_order_relaxed);

        if (value.has_value() && ! std::isnan (last) && *value != last)
            processor.setParameter (index, *value);
    }
}

void Lv2ParameterPorts::stateRestored() noexcept
{
    for (auto index = 0; index < numPorts; ++index)
        lastHostValues[static_cast<size_t> (index)].store (hostValue (index).value_or (takeAsItIs), std::memory_order_relaxed);
}
