#pragma once

#include <array>
#include <atomic>
#include <optional>

class VevazovAzudAudioProcessor;

/** The six parameters as the plug-in's LV2 control input ports.

    LV2 hosts show, automate and save control ports themselves and write their
    values into the ports before each run. A value that the host wrote since the
    last run reaches the processor through its parameter setter at the start of the
    run, as every host's value does. A port the host left alone changes nothing, so
    what the editor, the scene or ADM-OSC set stays set.

    The host saves its port values beside the plug-in's state and restores both.
    A state saved always holds the values the host showed at that moment; after a
    restore the ports are the host's record of that state and the restored values
    stay until the host changes a port.
*/
class Lv2ParameterPorts
{
public:
    static constexpr int numPorts = 6;

    explicit Lv2ParameterPorts (VevazovAzudAudioProcessor& processorToControl) noexcept;

    /** Connects the port of a parameter index; null disconnects it. */
    void connect (int parameterIndex, const float* port) noexcept;

    /** Hands the values the host changed to the processor. Called at the start of
        every run, on the audio thread.
    */
    void applyHostValues() noexcept;

    /** Called before the plug-in's state is saved, possibly while a run is under way:
        values the host wrote since the last run reach the processor now, so that the
        saved state holds them.
    */
    void applyBeforeSave() noexcept;

    /** Called after a state was restored, never during a run: the ports are taken as
        they are, a port not yet connected as it is at the next run.
    */
    void stateRestored() noexcept;

private:
    /** What the host holds in a port: nothing for an unconnected port or a value that is not a number. */
    std::optional<float> hostValue (int index) const noexcept;

    VevazovAzudAudioProcessor& processor;
    std::array<std::atomic<const float*>, numPorts> ports {};

    // Not a number: the port's next value is taken as it is.
    std::array<std::atomic<float>, numPorts> lastHostValues {};
};
