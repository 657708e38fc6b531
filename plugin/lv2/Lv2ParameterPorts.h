#pragma once

#include <array>
#include <optional>

class VevazovAzudAudioProcessor;

/** The six parameters as the plug-in's LV2 control input ports.

    LV2 hosts show, automate and save control ports themselves and write their
    values into the ports before each run. A value that the host wrote since the
    last run reaches the processor through its parameter setter at the start of the
    run, as every host's value does. A port the host left alone changes nothing, so
    what the editor, the scene or ADM-OSC set stays set.

    A host saves its port values beside the plug-in's state and restores both, the
    ports often only after the state. Its values are what it shows: after a
    restore, the first run sets every parameter to its port's value, so that what
    plays is what the host shows.
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

    /** Called after a state was restored, never during a run: the next run sets
        every parameter from its port, changed or not.
    */
    void stateRestored() noexcept;

private:
    /** What the host holds in a port: nothing for an unconnected port or a value that is not a number. */
    std::optional<float> hostValue (int index) const noexcept;

    VevazovAzudAudioProcessor& processor;
    // LV2 never connects a port or restores a state during a run: no value here is shared.
    std::array<const float*, numPorts> ports {};

    // Not a number after a restore, so that any value the port holds differs.
    std::array<float, numPorts> lastHostValues {};
};
