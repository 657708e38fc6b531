// What ADM-OSC costs: the time from a packet leaving a sender to the parameter
// change the host is told of, and the CPU time a steady stream of 1 000 packets
// a second takes from the message thread and from the receiving port's threads,
// and how long a host's thread waits in a restore that opens, moves or closes a
// receiving port.
// Run by hand: build/tests/benchmarks/velorin_admosc_load [seconds]

#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"

#include <scene/AdmOscHub.h>

#include <ctime>
#include <iostream>
#include <map>
#include <thread>

namespace juce
{
    // The framework's own step of its dispatch loop, which sleeps until an event comes.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr int latencySamples = 300;
    constexpr int packetsPerSecond = 1000;

    double threadCpuSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double> (now.tv_sec) + 1.0e-9 * static_cast<double> (now.tv_nsec);
    }

    double processCpuSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double> (now.tv_sec) + 1.0e-9 * static_cast<double> (now.tv_nsec);
    }

    struct Services : ProcessWideServices
    {
        std::unique_ptr<SharedReference> acquireLookAndFeel() override { return {}; }
        void registerInstance (Processor&) override {}
        void unregisterInstance (Processor& processor) override { hub.forget (processor); }
        void ensureSceneWindow() override {}
        bool toggleSceneWindowVisibility() override { return false; }
        void admOscSettingsChanged (Processor& processor) override { hub.settingsChanged (processor); }

        AdmOscHub hub;
    };

    /** When the host heard of each azimuth change. */
    struct ChangeClock : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float) override
        {
            if (index == Processor::azimuthIndex)
                lastChange = juce::Time::getMillisecondCounterHiRes();
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        double lastChange = 0.0;
    };

    /** CPU seconds of every thread of the process, by thread name (the scheduler's own count, in ns). */
    std::map<juce::String, double> cpuByThreadName()
    {
        std::map<juce::String, double> seconds;

        for (const auto& task : juce::File ("/proc/self/task").findChildFiles (juce::File::findDirectories, false))
        {
            const auto name = task.getChildFile ("comm").loadFileAsString().trim();
            const auto runNanoseconds = task.getChildFile ("schedstat").loadFileAsString().upToFirstOccurrenceOf (" ", false, false);
            seconds[name] += runNanoseconds.getDoubleValue() * 1.0e-9;
        }

        return seconds;
    }

    int freePort()
    {
        juce::DatagramSocket probe { false };
        probe.bindToPort (0);
        return probe.getBoundPort();
    }

    /** The saved state of an instance receiving on the port, or not receiving for 0;
        made without the services, so that making it opens nothing.
    */
    juce::MemoryBlock stateReceivingOn (int port)
    {
        auto* services = getProcessWideServices();
        setProcessWideServices (nullptr);
        juce::MemoryBlock state;

        {
            HostedProcessor scratch;
            auto settings = scratch.getAdmOscSettings();
            settings.sendEnabled = true;
            settings.receiveEnabled = port != 0;
            settings.receivePort = port != 0 ? port : AdmOscSettings::defaultPort;
            scratch.setAdmOscSettings (settings);
            scratch.getStateInformation (state);
        }

        setProcessWideServices (services);
        return state;
    }

    /** Restores the states in turn on a thread of the host's, as a host restoring a
        session does while its message thread runs; the time each restore took, in ms.
    */
    std::vector<double> restoreTimes (Processor& processor, const std::vector<juce::MemoryBlock>& states, int rounds, bool onMessageThread)
    {
        std::vector<double> times;
        std::atomic<bool> done { false };
        const auto restoreAll = [&]
        {
            for (auto round = 0; round < rounds; ++round)
                for (const auto& state : states)
                {
                    const auto start = juce::Time::getMillisecondCounterHiRes();
                    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
                    times.push_back (juce::Time::getMillisecondCounterHiRes() - start);

                    if (onMessageThread)
                        pumpMessages (30);
                    else
                        juce::Thread::sleep (30);
                }

            done = true;
        };

        if (onMessageThread)
        {
            restoreAll();
        }
        else
        {
            std::thread host (restoreAll);

            while (! done)
                pumpMessages (1);

            host.join();
        }

        std::sort (times.begin(), times.end());
        return times;
    }

    void reportRestores (const char* what, const char* where, const std::vector<double>& times)
    {
        std::cout << "restore that " << what << ", " << times.size() << " restores on " << where << ": median " << times[times.size() / 2]
                  << " ms, worst " << times.back() << " ms" << std::endl;
    }
} // namespace

int main (int argc, char** argv)
{
    const auto seconds = argc > 1 ? std::max (1, std::atoi (argv[1])) : 5;
    const juce::ScopedJuceInitialiser_GUI framework;
    Services services;
    const ScopedProcessWideServices installed (services);

    HostedProcessor processor;
    const auto port = freePort();
    auto settings = processor.getAdmOscSettings();
    settings.receiveEnabled = true;
    settings.receivePort = port;
    processor.setAdmOscSettings (settings);

    // The port opens on its own thread.
    while (! services.hub.describe (processor).startsWith ("receiving"))
        pumpMessages (1);

    ChangeClock clock;
    processor.addListener (&clock);
    juce::OSCSender sender;
    sender.connect ("127.0.0.1", port);

    std::vector<double> latencies;

    for (auto i = 0; i < latencySamples; ++i)
    {
        const auto degrees = static_cast<float> (i % 170) - 85.0f;
        const auto sent = juce::Time::getMillisecondCounterHiRes();
        sender.send (juce::OSCMessage ("/adm/obj/1/azim", degrees));

        while (clock.lastChange < sent)
            juce::dispatchNextMessageOnSystemQueue (false);

        latencies.push_back (clock.lastChange - sent);
        pumpMessages (2);
    }

    std::sort (latencies.begin(), latencies.end());
    std::cout << "packet to host-notified parameter, " << latencySamples << " packets: median " << latencies[latencies.size() / 2]
              << " ms, 95th percentile " << latencies[latencies.size() * 95 / 100] << " ms, worst " << latencies.back() << " ms" << std::endl;

    std::atomic<bool> streaming { true };
    std::atomic<double> senderCpu { 0.0 };
    std::thread stream ([&]
                        {
                            juce::OSCSender streamer;
                            streamer.connect ("127.0.0.1", port);
                            const auto start = juce::Time::getMillisecondCounterHiRes();
                            const auto cpuStart = threadCpuSeconds();

                            for (auto i = 0; streaming; ++i)
                            {
                                const auto t = static_cast<float> (i) / packetsPerSecond;
                                streamer.send (juce::OSCMessage ("/adm/obj/1/aed", 90.0f * std::sin (t), 20.0f * std::cos (t), 0.5f));

                                while (juce::Time::getMillisecondCounterHiRes() - start < (i + 1) * 1000.0 / packetsPerSecond)
                                    juce::Thread::sleep (1);
                            }

                            senderCpu = threadCpuSeconds() - cpuStart; });

    const auto threadsStart = cpuByThreadName();
    const auto processStart = processCpuSeconds();
    const auto messageStart = threadCpuSeconds();
    const auto wallStart = juce::Time::getMillisecondCounterHiRes();
    runMessageLoopFor (seconds * 1000);
    const auto message = threadCpuSeconds() - messageStart;
    streaming = false;
    stream.join();
    const auto wall = (juce::Time::getMillisecondCounterHiRes() - wallStart) / 1000.0;
    const auto receiving = processCpuSeconds() - processStart - message - senderCpu;

    for (const auto& [name, cpu] : cpuByThreadName())
        if (threadsStart.count (name) != 0)
            std::cout << "  " << name << ": " << 100.0 * (cpu - threadsStart.at (name)) / wall << " % of one core" << std::endl;

    std::cout << packetsPerSecond << " packets a second for " << wall << " s: message thread " << 100.0 * message / wall
              << " % of one core, receiving threads " << 100.0 * receiving / wall << " % of one core (the sender's own "
              << 100.0 * senderCpu / wall << " % left out)" << std::endl;

    processor.removeListener (&clock);

    const auto otherPort = freePort();
    const std::vector<juce::MemoryBlock> moves { stateReceivingOn (otherPort), stateReceivingOn (port) };
    const std::vector<juce::MemoryBlock> closesAndOpens { stateReceivingOn (0), stateReceivingOn (port) };

    for (const auto onMessageThread : { false, true })
    {
        const auto* where = onMessageThread ? "the message thread" : "a host thread";
        reportRestores ("moves the port", where, restoreTimes (processor, moves, 10, onMessageThread));
        reportRestores ("closes and opens the port", where, restoreTimes (processor, closesAndOpens, 10, onMessageThread));
    }
    return 0;
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
