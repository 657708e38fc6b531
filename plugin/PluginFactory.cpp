#include <editor/VevazovAzudAudioProcessorEditor.h>
#include <processor/VevazovAzudAudioProcessor.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VevazovAzudAudioProcessor();
}

// The editor lives above the processor: the plug-in binds the two here.
juce::AudioProcessorEditor* VevazovAzudAudioProcessor::createEditor()
{
    return new VevazovAzudAudioProcessorEditor (*this);
}
