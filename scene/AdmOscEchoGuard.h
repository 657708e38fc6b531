#pragma once

#include "AdmOscMapping.h"

#include <juce_core/juce_core.h>

#include <array>
#include <limits>
#include <mutex>

/** Tells an object's own messages when they come back to it, so that they are
    not taken for a user's moves: an instance that sends to the port it receives
    on, or a tool that reflects what it hears, would otherwise hand the host its
    own automation back a few milliseconds late.

    A packet is the object's own when it comes from the socket the object sends
    from. A value is an echo when it equals, to within what a float carries, one
    the object sent of the same property in the last second; a real move from
    another tool differs from all of them.

    The message thread notes what is sent; the receiving thread asks.
*/
class AdmOscEchoGuard
{
public:
    static constexpr size_t remembered = 8;
    static constexpr double rememberedMs = 1000.0;

    /** Message thread, while no thread asks: the socket the object sends from
        (its local port, 0 for none) and the IPv4 address it sends to.
    */
    void setSender (int localPort, const juce::String& targetAddress);

    /** Receiving thread: whether a packet with this sender came from the object's own socket. */
    bool isOwnPacket (const juce::String& senderAddress, int senderPort) const;

    /** Message thread: the object sent these values of the property. */
    void noteSent (AdmOsc::Kind, const std::array<float, 3>& values, double nowMs);

    /** Receiving thread: whether these values of the property are ones the object sent lately. */
    bool isEcho (AdmOsc::Kind, const std::array<float, 3>& values, double nowMs) const;

private:
    struct Sent
    {
        std::array<float, 3> values {};
        double timeMs = -std::numeric_limits<double>::infinity();
    };

    using History = std::array<Sent, remembered>;

    int ownPort = 0;
    juce::String ownTarget;

    mutable std::mutex historyLock;
    std::array<History, AdmOsc::kinds.size()> history {};
    std::array<size_t, AdmOsc::kinds.size()> nextSlot {};
};
