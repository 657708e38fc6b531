#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

class VevazovAzudAudioProcessor;
struct AdmOscSettings;
struct SceneSettingsChange;

/** The saved state of an instance: a "Root" XML document of eighteen keys in the
    framework's binary container (magic "VC2!", length, UTF-8 text, zero byte),
    followed by six ADM-OSC keys when the instance's ADM-OSC settings are not all
    at their defaults (older readers skip keys they do not know).
*/
class ProcessorState
{
public:
    /** Replaces the block's contents with the instance's state. */
    static void save (VevazovAzudAudioProcessor&, juce::MemoryBlock& destination);

    /** Applies a saved state. A block that cannot be unwrapped or parsed changes nothing. */
    static void restore (VevazovAzudAudioProcessor&, const void* data, int sizeInBytes);

    /** The document save writes, before wrapping. */
    static std::unique_ptr<juce::XmlElement> createDocument (VevazovAzudAudioProcessor&);

    /** One child of the saved document: its name and all the text inside it. */
    struct Entry
    {
        juce::String name;
        juce::String text;
    };

    /** The children of the document inside a block, in document order; nothing when
        the block is rejected (not wrapped as a state, not UTF-8, or not XML).
    */
    static std::optional<std::vector<Entry>> readEntries (const void* data, int sizeInBytes);

    /** Container magic: the bytes "VC2!". */
    static constexpr juce::uint32 magicNumber = 0x21324356;

private:
    static void applyElement (VevazovAzudAudioProcessor&, const juce::String& name, const juce::String& text, AdmOscSettings& osc, SceneSettingsChange& scene);
};
