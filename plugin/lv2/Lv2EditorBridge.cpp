#include "Lv2EditorBridge.h"

#include "Lv2ParameterPorts.h"

#include <processor/VevazovAzudAudioProcessor.h>

Lv2EditorBridge::Lv2EditorBridge (VevazovAzudAudioProcessor& processorToFollow, std::uint32_t firstParameterPort, HostInterface host)
    : processor (processorToFollow),
      firstPort (firstParameterPort),
      hostInterface (std::move (host))
{
    processor.addListener (this);
}

Lv2EditorBridge::~Lv2EditorBridge()
{
    processor.removeListener (this);
}

void Lv2EditorBridge::audioProcessorParameterChanged (juce::AudioProcessor*, int parameterIndex, float newValue)
{
    if (const auto port = portToTell (parameterIndex))
        hostInterface.writeValue (*port, Lv2ParameterPorts::portValue (parameterIndex, newValue));
}

void Lv2EditorBridge::tellHostEveryValue()
{
    for (auto index = 0; index < VevazovAzudAudioProcessor::numParameters; ++index)
        audioProcessorParameterChanged (&processor, index, processor.getParameterValue (index));
}

void Lv2EditorBridge::audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int parameterIndex)
{
    touch (parameterIndex, true);
}

void Lv2EditorBridge::audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int parameterIndex)
{
    touch (parameterIndex, false);
}

void Lv2EditorBridge::touch (int parameterIndex, bool grabbed)
{
    if (hostInterface.touch == nullptr)
        return;

    if (const auto port = portToTell (parameterIndex))
        hostInterface.touch (*port, grabbed);
}

std::optional<std::uint32_t> Lv2EditorBridge::portToTell (int parameterIndex) const
{
    if (parameterIndex < 0 || parameterIndex >= VevazovAzudAudioProcessor::numParameters)
        return {};

    if (! juce::MessageManager::existsAndIsCurrentThread())
        return {};

    return firstPort + static_cast<std::uint32_t> (parameterIndex);
}
