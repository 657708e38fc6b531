#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <cstdint>
#include <functional>

class VevazovAzudAudioProcessor;

/** Tells an LV2 host what the plug-in changes itself while its editor is open.

    The editor, the position pads, the scene and ADM-OSC set parameters notifying
    the host. An LV2 host learns a control port's new value only from the plug-in's
    interface, so this writes each such value into the parameter's port, and
    brackets a drag with the host's touch notices where the host offers them: the
    host's controls follow and its automation records the move. The values go
    in the ports' units.

    The host's interface functions belong to its interface thread, which is the
    framework's message thread while the editor is open; changes notified on any
    other thread came from the host in the first place and are not echoed.
*/
class Lv2EditorBridge : private juce::AudioProcessorListener
{
public:
    struct HostInterface
    {
        std::function<void (std::uint32_t port, float value)> writeValue;

        /** Empty when the host offers no touch notices. */
        std::function<void (std::uint32_t port, bool grabbed)> touch;
    };

    Lv2EditorBridge (VevazovAzudAudioProcessor& processorToFollow, std::uint32_t firstParameterPort, HostInterface host);
    ~Lv2EditorBridge() override;

    Lv2EditorBridge (const Lv2EditorBridge&) = delete;
    Lv2EditorBridge& operator= (const Lv2EditorBridge&) = delete;

    /** Writes every parameter's value into its port, for a host that shows
        something else; on the message thread only, like every write.
    */
    void tellHostEveryValue();

private:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int parameterIndex, float newValue) override;
    void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int parameterIndex) override;
    void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int parameterIndex) override;
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

    /** The port of a parameter index, if the change is one to pass on from this thread. */
    std::optional<std::uint32_t> portToTell (int parameterIndex) const;
    void touch (int parameterIndex, bool grabbed);

    VevazovAzudAudioProcessor& processor;
    const std::uint32_t firstPort;
    const HostInterface hostInterface;
};
