#include "AdmOscPort.h"

#if JUCE_WINDOWS
    #include <winsock2.h>
#else
    #include <sys/socket.h>
#endif

namespace
{
    // The largest UDP datagram.
    constexpr int largestPacket = 65535;

    // Closing the socket wakes the thread at once; the period only bounds a wait that missed it.
    constexpr int pollPeriodMs = 100;

    // A packet being decoded when the port closes is let finish.
    constexpr int stopTimeoutMs = 10000;

    /** The framework marks its datagram sockets reusable; undone here, a port that
        another program holds fails to bind rather than being shared with it.
    */
    void makeExclusive (juce::DatagramSocket& socket)
    {
        const int off = 0;

#if JUCE_WINDOWS
        // Windows lets a reusable socket take over a bound port unless one side asks for it alone.
        const int on = 1;
        const auto handle = static_cast<SOCKET> (socket.getRawSocketHandle());
        setsockopt (handle, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*> (&off), sizeof (off));
        setsockopt (handle, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*> (&on), sizeof (on));
#else
        setsockopt (socket.getRawSocketHandle(), SOL_SOCKET, SO_REUSEADDR, &off, sizeof (off));
#endif
    }
} // namespace

AdmOscPort::AdmOscPort (int portNumberToUse, std::function<void()> callback)
    : juce::Thread ("ADM-OSC " + juce::String (portNumberToUse)),
      portNumber (portNumberToUse),
      onDelivery (std::move (callback))
{
    makeExclusive (socket);
    startThread();
}

AdmOscPort::~AdmOscPort()
{
    close();
    stopThread (stopTimeoutMs);
}

void AdmOscPort::close()
{
    signalThreadShouldExit();
    notify();

    const std::lock_guard<std::mutex> hold (socketLock);
    socket.shutdown();
}

bool AdmOscPort::bind()
{
    const std::lock_guard<std::mutex> hold (socketLock);
    return ! threadShouldExit() && router.isReady() && socket.bindToPort (portNumber);
}

void AdmOscPort::run()
{
    while (! bind())
    {
        if (threadShouldExit())
            return;

        state = State::inUse;
        wait (retryMs);
    }

    state = State::listening;
    juce::HeapBlock<char> buffer (largestPacket);
    juce::String sender;
    auto senderPort = 0;

    while (! threadShouldExit())
    {
        const auto ready = socket.waitUntilReady (true, pollPeriodMs);

        // A closed socket wakes the wait: the exit comes before any read of it.
        if (ready < 0 || threadShouldExit())
            return;

        if (ready == 0)
            continue;

        const auto numBytes = socket.read (buffer.getData(), largestPacket, false, sender, senderPort);

        if (numBytes > 0 && router.route (buffer.getData(), numBytes, sender, senderPort))
            onDelivery();
    }
}
