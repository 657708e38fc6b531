#include "StateRoundTrip.h"

#include <processor/ProcessWide.h>
#include <processor/VevazovAzudAudioProcessor.h>

namespace
{
    /** The XML text of a saved state, for reporting. */
    juce::String documentOf (const juce::MemoryBlock& state)
    {
        constexpr size_t headerSize = 8;
        return state.getSize() > headerSize + 1 ? juce::String::fromUTF8 (static_cast<const char*> (state.getData()) + headerSize,
                                                                          static_cast<int> (state.getSize() - headerSize - 1))
                                                : juce::String();
    }
} // namespace

juce::String checkStateRoundTrip (const void* data, size_t size)
{
    // Every input starts from the same process-wide scene settings.
    getSceneSettings() = SceneSettings();

    const auto clampedSize = static_cast<int> (std::min (size, static_cast<size_t> (std::numeric_limits<int>::max())));

    VevazovAzudAudioProcessor first (juce::PluginHostType::UnknownHost);
    first.setPlayConfigDetails (8, 4, 48000.0, 64);
    first.setStateInformation (data, clampedSize);

    juce::MemoryBlock saved;
    first.getStateInformation (saved);

    // The restored instance must still run.
    juce::AudioBuffer<float> buffer (8, 64);
    buffer.clear();
    juce::MidiBuffer midi;
    first.prepareToPlay (48000.0, 64);
    first.processBlock (buffer, midi);

    VevazovAzudAudioProcessor second (juce::PluginHostType::UnknownHost);
    second.setStateInformation (saved.getData(), static_cast<int> (saved.getSize()));

    juce::MemoryBlock savedAgain;
    second.getStateInformation (savedAgain);

    if (saved != savedAgain)
        return "the second save differs:\n" + documentOf (saved) + "\n" + documentOf (savedAgain);

    return {};
}
