#pragma once

#include "AdmOscInbox.h"
#include "AdmOscPacketDecoder.h"

/** Hands every message of a packet to the inboxes of the instances that listen on
    one port; each inbox keeps what is addressed to its own object number.

    Packets arrive on the port's thread; the message thread adds and removes
    inboxes. Bundles are opened up to a few levels deep; anything deeper, and any
    packet that is not OSC, is dropped.
*/
class AdmOscRouter
{
public:
    static constexpr int deepestBundle = 8;

    AdmOscRouter() = default;

    bool isReady() const noexcept { return decoder.isReady(); }

    void add (AdmOscInbox&);
    void remove (AdmOscInbox&);
    bool isEmpty() const;

    /** Delivers one packet from the given sender; returns whether any inbox took something. */
    bool route (const void* data, int numBytes, const juce::String& senderAddress, int senderPort);

private:
    bool deliver (const juce::OSCBundle::Element&, const juce::String& senderAddress, int senderPort, int depth);

    AdmOscPacketDecoder decoder;
    mutable std::mutex membersLock;
    std::vector<AdmOscInbox*> members;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscRouter)
};
