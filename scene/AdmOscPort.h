#pragma once

#include "AdmOscRouter.h"

#include <functional>

/** One UDP port on which instances receive ADM-OSC: the socket, the thread that
    reads it and the router that hands each packet to the instances listening.
    Instances of one process that listen on the same port share it.

    The port is taken for this process alone, so that another program already on
    it shows as a port in use instead of silently sharing the packets.
*/
class AdmOscPort : private juce::Thread
{
public:
    /** Binds the port; the callback runs on the port's thread whenever an inbox took something. */
    AdmOscPort (int portNumber, std::function<void()> onDelivery);
    ~AdmOscPort() override;

    /** Whether a port could be bound now, by this process alone. */
    static bool isFree (int portNumber);

    bool isListening() const noexcept { return listening; }

    AdmOscRouter& getRouter() noexcept { return router; }

private:
    void run() override;

    const std::function<void()> onDelivery;
    juce::DatagramSocket socket { false };
    AdmOscRouter router;
    bool listening = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscPort)
};
