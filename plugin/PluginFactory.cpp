#include "PluginFactory.h"

#include <editor/VevazovAzudAudioProcessorEditor.h>
#include <processor/VevazovAzudAudioProcessor.h>

namespace
{
    thread_local VevazovAzudAudioProcessor* createdOnThisThread = nullptr;
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    createdOnThisThread = new VevazovAzudAudioProcessor();
    return createdOnThisThread;
}

VevazovAzudAudioProcessor* takeProcessorCreatedOnThisThread() noexcept
{
    return std::exchange (createdOnThisThread, nullptr);
}

// The editor lives above the processor: the plug-in binds the two here.
juce::AudioProcessorEditor* VevazovAzudAudioProcessor::createEditor()
{
    return new VevazovAzudAudioProcessorEditor (*this);
}
