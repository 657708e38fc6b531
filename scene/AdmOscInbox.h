#pragma once

#include "AdmOscEchoGuard.h"
#include "AdmOscMapping.h"

#include <juce_osc/juce_osc.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

class VevazovAzudAudioProcessor;

/** What one instance takes from the network: the messages addressed to its object
    number (wildcards included) become the latest wanted value of each parameter,
    and queries wait for an answer. Its own messages coming back are left out (see
    AdmOscEchoGuard).

    The receiving thread fills it; the message thread empties it. A flood leaves
    only the latest value of each parameter and a bounded queue of queries, so
    nothing grows however fast packets come.
*/
class AdmOscInbox
{
public:
    /** The parameters that received values move: Azimuth, Elevation, Distance, Width and Gain. */
    static constexpr int numParameters = 5;
    static constexpr size_t maximumQueries = 32;

    struct Query
    {
        AdmOsc::Kind kind;
        const char* property; // as the asker spelled it
        juce::String askerAddress;
    };

    explicit AdmOscInbox (VevazovAzudAudioProcessor&);

    /** Only while no thread delivers to the inbox. */
    void setObjectNumber (int objectNumber);
    int getObjectNumber() const noexcept { return objectNumber; }

    /** Receiving thread: keeps what the message says to this object; returns
        whether it left anything for the message thread.
    */
    bool take (const juce::OSCMessage&, const juce::String& senderAddress, int senderPort);

    /** What tells the object's own messages when they come back. */
    AdmOscEchoGuard& getEchoGuard() noexcept { return echoGuard; }

    /** Message thread: the wanted value of each parameter that received one since the last call. */
    std::array<std::optional<float>, numParameters> takeValues();

    /** Message thread: the queries waiting for an answer, oldest first. */
    std::vector<Query> takeQueries();

private:
    void takeValue (AdmOsc::Kind, const std::array<float, 3>& values);
    void want (int parameterIndex, float value);
    void wantPosition (AdmOsc::Polar);
    float latest (int parameterIndex);
    AdmOsc::Polar latestPosition();
    void ask (AdmOsc::Kind, const char* property, const juce::String& senderAddress);

    struct Address
    {
        juce::OSCAddress address;
        AdmOsc::Kind kind;
        const char* property;
    };

    VevazovAzudAudioProcessor& processor;
    int objectNumber = 0;
    std::vector<Address> addresses;
    AdmOscEchoGuard echoGuard;

    std::array<std::atomic<float>, numParameters> wanted {};
    std::atomic<juce::uint32> pending { 0 };

    std::mutex queryLock;
    std::vector<Query> queries;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscInbox)
};
