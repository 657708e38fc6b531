#pragma once

#include <array>
#include <atomic>
#include <optional>

class VevazovAzudAudioProcessor;

/** The six parameters as the plug-in's LV2 control input ports, in units:
    degrees, degrees, metres, percent, decibels, and a toggle.

    LV2 hosts show, automate and save control ports themselves and write their
    values into the ports before each run. A value that the host wrote since the
    last run reaches the processor through its parameter setter at the start of the
    run, as every host's value does, turned into the normalised value with the
    arithmetic of the editor's knobs. A port the host left alone changes nothing,
    so what the editor, the scene or ADM-OSC set stays set.

    A host saves its port values beside the plug-in's state and restores both, the
    ports often only after the state. Its values are what it shows: after a
    restore, the first run sets every parameter to its port's value, so that what
    plays is what the host shows.

    Sessions saved before the ports were in units hold normalised port values.
    After restoring such a state, each port's first value is read as the
    normalised value it was saved as, so that the session plays as it was saved;
    the host's later changes are in units again.
*/
class Lv2ParameterPorts
{
public:
    static constexpr int numPorts = 6;

    /** How the ports of a restored state were saved. */
    enum class SavedPorts
    {
        inUnits,
        normalised
    };

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
    void stateRestored (SavedPorts saved = SavedPorts::inUnits) noexcept;

    /** Whether the host still shows normalised values that a restored state's ports
        held, and so should be told the values in units. Any thread.
    */
    bool hostShowsNormalisedValues() const noexcept { return showsNormalisedValues; }

    /** The host has been told the values in units. Any thread. */
    void hostToldValuesInUnits() noexcept { showsNormalisedValues = false; }

    /** A port's value as the normalised value of its parameter. */
    static float normalisedValue (int parameterIndex, float portValue) noexcept;

    /** The port value for a normalised value: the shortest decimal in the
        parameter's unit that reads back as that normalised value (0 dB, not
        -0.0000024 dB, for the 0.9 of 0 dB), or the nearest where none does.
    */
    static float portValue (int parameterIndex, float normalised) noexcept;

private:
    /** What the host holds in a port: nothing for an unconnected port or a value that is not a number. */
    std::optional<float> hostValue (int index) const noexcept;

    VevazovAzudAudioProcessor& processor;
    // LV2 never connects a port or restores a state during a run: no value here is shared.
    std::array<const float*, numPorts> ports {};

    // Not a number after a restore, so that any value the port holds differs.
    std::array<float, numPorts> lastHostValues {};

    // Set for each port after restoring normalised ports, until its first value is read.
    std::array<bool, numPorts> readAsNormalised {};

    std::atomic<bool> showsNormalisedValues { false };
};
