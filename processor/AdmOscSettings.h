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

    /** The form in which the position is sent: ADM-OSC's polar "aed", its
        Cartesian "xyz" (which every ADM-OSC tool reads), or both in turn.
    */
    enum class SendAs
    {
        polar,
        cartesian,
        both
    };

    static constexpr int numSendAs = 3;

    int objectNumber = firstObject;
    bool sendEnabled = false;
    juce::String sendHost { "127.0.0.1" };
    int sendPort = defaultPort;
    bool receiveEnabled = false;
    int receivePort = defaultPort;
    SendAs sendAs = SendAs::polar;

    bool operator== (const AdmOscSettings& other) const
    {
        return objectNumber == other.objectNumber && sendEnabled == other.sendEnabled && sendHost == other.sendHost
               && sendPort == other.sendPort && receiveEnabled == other.receiveEnabled && receivePort == other.receivePort
               && sendAs == other.sendAs;
    }

    bool operator!= (const AdmOscSettings& other) const { return ! operator== (other); }

    bool isDefault() const { return *this == AdmOscSettings(); }

    /** The settings with the object number, both ports and the form moved into their ranges. */
    AdmOscSettings limited() const
    {
        auto copy = *this;
        copy.objectNumber = juce::jlimit (firstObject, lastObject, objectNumber);
        copy.sendPort = juce::jlimit (firstPort, lastPort, sendPort);
        copy.receivePort = juce::jlimit (firstPort, lastPort, receivePort);
        copy.sendAs = static_cast<SendAs> (juce::jlimit (0, numSendAs - 1, static_cast<int> (sendAs)));
        return copy;
    }
};
