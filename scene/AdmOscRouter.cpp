#include "AdmOscRouter.h"

void AdmOscRouter::add (AdmOscInbox& inbox)
{
    const std::lock_guard<std::mutex> hold (membersLock);
    members.push_back (&inbox);
}

void AdmOscRouter::remove (AdmOscInbox& inbox)
{
    const std::lock_guard<std::mutex> hold (membersLock);
    members.erase (std::remove (members.begin(), members.end(), &inbox), members.end());
}

bool AdmOscRouter::isEmpty() const
{
    const std::lock_guard<std::mutex> hold (membersLock);
    return members.empty();
}

bool AdmOscRouter::route (const void* data, int numBytes, const juce::String& senderAddress, int senderPort)
{
    const auto content = decoder.decode (data, numBytes, deepestBundle);
    return content.has_value() && deliver (*content, senderAddress, senderPort, 0);
}

bool AdmOscRouter::deliver (const juce::OSCBundle::Element& element, const juce::String& senderAddress, int senderPort, int depth)
{
    if (element.isBundle())
    {
        if (depth >= deepestBundle)
            return false;

        auto tookAny = false;

        for (const auto& inner : element.getBundle())
            tookAny = deliver (inner, senderAddress, senderPort, depth + 1) || tookAny;

        return tookAny;
    }

    if (! element.isMessage())
        return false;

    const std::lock_guard<std::mutex> hold (membersLock);
    auto tookAny = false;

    for (auto* inbox : members)
        tookAny = inbox->take (element.getMessage(), senderAddress, senderPort) || tookAny;

    return tookAny;
}
