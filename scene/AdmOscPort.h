#pragma once

#include "AdmOscRouter.h"

#include <functional>

/** One UDP port on which instances receive ADM-OSC: the socket, the thread that
    binds and reads it and the router that hands each packet to the instances
    listening. Instances of one process that listen on the same port share it.

    The port is taken for this process alone, so that another program already on
    it shows as a port in use instead of silently sharing the packets. The port's
    own thread binds it, and tries again every second while another program holds
    it, so that no caller ever waits on a socket: close() lets the port number go
    at once, and the thread ends by itself soon after.
*/
class AdmOscPort : private juce::Thread
{
public:
    static constexpr int retryMs = 1000;

    enum class State
    {
        opening,
        listening,
        inUse
    };

    /** Starts opening the port; the callback runs on the port's thread whenever an inbox took something. */
    AdmOscPort (int portNumber, std::function<void()> onDelivery);

    /** Closes the port and waits for its thread to end. */
    ~AdmOscPort() override;

    State getState() const noexcept { return state; }
    bool isListening() const noexcept { return state == State::listening; }

    AdmOscRouter& getRouter() noexcept { return router; }

    /** Lets the port number go and tells the thread to end, without waiting for it. */
    void close();

private:
    void run() override;
    bool bind();

    const int portNumber;
    const std::function<void()> onDelivery;
    std::mutex socketLock;
    juce::DatagramSocket socket { false };
    AdmOscRouter router;
    std::atomic<State> state { State::opening };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdmOscPort)
};
