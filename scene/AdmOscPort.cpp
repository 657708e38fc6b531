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
      onDelivery (std::move (callback))
{
    makeExclusive (socket);
    listening = router.isReady() && socket.bindToPort (portNumberToUse);

    if (listening)
        startThread();
}

bool AdmOscPort::isFree (int portNumber)
{
    juce::DatagramSocket probe { false };
    makeExclusive (probe);
    return probe.bindToPort (portNumber);
}

AdmOscPort::~AdmOscPort()
{
    signalThreadShouldExit();
    socket.shutdown();
    stopThread (stopTimeoutMs);
}

void AdmOscPort::run()
{
    juce::HeapBlock<char> buffer (largestPacket);
    juce::String sender;
    auto senderPort = 0;

    while (! threadShouldExit())
    {
        const auto ready = socket.waitUntilReady (true, pollPeriodMs);

        if (ready < 0)
            return;

        if (ready == 0)
            continue;

        const auto numBytes = socket.read (buffer.getData(), largestPacket, false, sender, senderPort);

        if (numBytes > 0 && router.route (buffer.getData(), numBytes, sender))
            onDelivery();
    }
}
