#pragma once

#include <juce_core/juce_core.h>

/** How one instance takes part in ADM-OSC, the grammar in which immersive tools
    exchange object positions over OSC: its object number, and whether it sends its
    position to a host and port and follows positions received on a port. Both
    directions are off for a new instance. Kept and saved by the processor; the
    networking itself is process-wide.
*/
struct AdmOscSettings
{
    /** ADM-OSC's customary ports: 4001 for positions. */
    static constexpr int defaultPort = 4001;
    static constexpr int firstObject = 1;
    static constexpr int lastObject = 9999;
    static constexpr int firstPort = 1;
    static constexpr int lastPort = 65535;

    int objectNumber = firstObject;
    bool sendEnabled = false;
    juce::String sendHost { "127.0.0.1" };
    int sendPort = defaultPort;
    bool receiveEnabled = false;
    int receivePort = defaultPort;

    bool operator== (const AdmOscSettings& other) const
    {
        return objectNumber == other.objectNumber && sendEnabled == other.sendEnabled && sendHost == other.sendHost
               && sendPort == other.sendPort && receiveEnabled == other.receiveEnabled && receivePort == other.receivePort;
    }

    bool operator!= (const AdmOscSettings& other) const { return ! operator== (other); }

    bool isDefault() const { return *this == AdmOscSettings(); }

    /** The settings with the object number and both ports moved into their ranges. */
    AdmOscSettings limited() const
    {
        auto copy = *this;
        copy.objectNumber = juce::jlimit (firstObject, lastObject, objectNumber);
        copy.sendPort = juce::jlimit (firstPort, lastPort, sendPort);
        copy.receivePort = juce::jlimit (firstPort, lastPort, receivePort);
        return copy;
    }
};
