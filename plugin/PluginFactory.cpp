#include <processor/VevazovAzudAudioProcessor.h>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VevazovAzudAudioProcessor();
}
