#include "AdmOscPacketDecoder.h"

#include "AdmOscPacketCheck.h"

namespace
{
    const juce::String loopback { "127.0.0.1" };

    // The framework's receiver skips datagrams shorter than one OSC word.
    constexpr int smallestPacket = 4;

    // Long enough for the largest packet of nested bundles; only a decoder being
    // destroyed stops waiting early.
    constexpr int waitSliceMs = 100;
    constexpr int longestWaitMs = 5000;
} // namespace

AdmOscPacketDecoder::AdmOscPacketDecoder()
{
    if (! inward.bindToPort (0, loopback))
        return;

    receiver.addListener (this);
    receiver.registerFormatErrorHandler ([this] (const char*, int)
                                         { finish ({}); });
    ready = receiver.connectToSocket (inward);
}

AdmOscPacketDecoder::~AdmOscPacketDecoder()
{
    shuttingDown = true;
    receiver.disconnect();
    receiver.removeListener (this);
}

std::optional<juce::OSCBundle::Element> AdmOscPacketDecoder::decode (const void* data, int numBytes, int deepestBundle)
{
    if (! ready || numBytes < smallestPacket || ! AdmOscPacketCheck::isSafeToDecode (data, static_cast<size_t> (numBytes), deepestBundle))
        return {};

    decoded.reset();

    {
        const std::lock_guard<std::mutex> hold (resultLock);
        result.reset();
    }

    if (outward.write (loopback, inward.getBoundPort(), data, numBytes) != numBytes)
        return {};

    for (auto waited = 0; waited < longestWaitMs && ! shuttingDown; waited += waitSliceMs)
        if (decoded.wait (waitSliceMs))
        {
            const std::lock_guard<std::mutex> hold (resultLock);
            std::optional<juce::OSCBundle::Element> taken (std::move (result));
            result.reset();
            return taken;
        }

    return {};
}

void AdmOscPacketDecoder::oscMessageReceived (const juce::OSCMessage& message)
{
    finish (juce::OSCBundle::Element (message));
}

void AdmOscPacketDecoder::oscBundleReceived (const juce::OSCBundle& bundle)
{
    finish (juce::OSCBundle::Element (bundle));
}

void AdmOscPacketDecoder::finish (std::optional<juce::OSCBundle::Element> content)
{
    {
        const std::lock_guard<std::mutex> hold (resultLock);
        result.reset();

        if (content.has_value())
            result.emplace (*content);
    }

    decoded.signal();
}
