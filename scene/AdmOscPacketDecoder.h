#pragma once

#include <juce_osc/juce_osc.h>

#include <atomic>
#include <mutex>
#include <optional>

/** Turns the bytes of one packet into the OSC message or bundle they carry, with
    the framework's own OSC reader.

    The framework reads packets only from a socket of its receiver's and does not
    say who sent them, which an answer to a query needs. So the port reads its
    packets itself, with their senders, and hands each one to this decoder, which
    passes it to a framework receiver over a private loopback socket and waits
    until the receiver has read it (a message, a bundle or a format error).
*/
class AdmOscPacketDecoder : private juce::OSCReceiver::Listener<juce::OSCReceiver::RealtimeCallback>
{
public:
    AdmOscPacketDecoder();
    ~AdmOscPacketDecoder() override;

    /** Whether the private socket could be opened; without it nothing decodes. */
    bool isReady() const noexcept { return ready; }

    /** The packet's content, or nothing for a packet that is not OSC, that the
        framework's reader could not read safely, or whose bundles nest deeper than
        given. One caller at a time.
    */
    std::optional<juce::OSCBundle::Element> decode (const void* data, int numBytes, int deepestBundle);

private:
    void oscMessageReceived (const juce::OSCMessage&) override;
    void oscBundleReceived (const juce::OSCBundle&) override;
    void finish (std::optional<juce::OSCBundle::Element>);

    juce::DatagramSocket inward { false };
    juce::DatagramSocket outward { false };
    juce::OSCReceiver receiver { "ADM-OSC decoder" };
    juce::WaitableEvent decoded;
    std::mutex resultLock;
    std::optional<juce::OSCBundle::Element> result;
    std::atomic<bool> shuttingDown { false };
    bool ready = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscPacketDecoder)
};
