#include "AdmOscEchoGuard.h"

namespace
{
    /** A float carries about seven digits; a tool that reflects values through
        text or doubles gives back at least five of them.
    */
    constexpr float relativePrecision = 1.0e-5f;

    bool sameAsSent (float received, float sent) noexcept
    {
        return std::abs (received - sent) <= relativePrecision * std::max (1.0f, std::abs (sent));
    }
} // namespace

void AdmOscEchoGuard::setSender (int localPort, const juce::String& targetAddress)
{
    ownPort = localPort;
    ownTarget = targetAddress;
}

bool AdmOscEchoGuard::isOwnPacket (const juce::String& senderAddress, int senderPort) const
{
    // What the object sends to this machine arrives from a loopback address, or
    // from the very address it was sent to.
    return ownPort != 0 && senderPort == ownPort && (senderAddress.startsWith ("127.") || senderAddress == ownTarget);
}

void AdmOscEchoGuard::noteSent (AdmOsc::Kind kind, const std::array<float, 3>& values, double nowMs)
{
    const auto index = static_cast<size_t> (kind);
    const std::lock_guard<std::mutex> hold (historyLock);
    history[index][nextSlot[index]] = { values, nowMs };
    nextSlot[index] = (nextSlot[index] + 1) % remembered;
}

bool AdmOscEchoGuard::isEcho (AdmOsc::Kind kind, const std::array<float, 3>& values, double nowMs) const
{
    const auto numValues = static_cast<size_t> (AdmOsc::infoFor (kind).numValues);
    const std::lock_guard<std::mutex> hold (historyLock);

    for (const auto& sent : history[static_cast<size_t> (kind)])
    {
        if (nowMs - sent.timeMs > rememberedMs)
            continue;

        auto same = true;

        for (size_t v = 0; v < numValues && same; ++v)
            same = sameAsSent (values[v], sent.values[v]);

        if (same)
            return true;
    }

    return false;
}
