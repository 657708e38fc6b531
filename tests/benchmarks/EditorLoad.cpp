// What an open editor costs while audio runs: the message thread's own CPU time
// over a stretch of real time, with the editor in a window on the display, its
// meters moving and a host automating the source. Run by hand under a display:
//   xvfb-run -a build/tests/benchmarks/velorin_editor_load [seconds]

#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"

#include <editor/KorvanneLookAndFeel.h>
#include <editor/VevazovAzudAudioProcessorEditor.h>

#include <ctime>
#include <iostream>
#include <thread>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    double threadCpuSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double> (now.tv_sec) + 1.0e-9 * static_cast<double> (now.tv_nsec);
    }

    /** A host's audio thread: blocks of a 7.1 bed at the pace of real time; with
        automation, the source sweeps round so that the editor's knobs and pads move too.
    */
    void playAudio (HostedProcessor& processor, const std::atomic<bool>& running, bool automated)
    {
        auto block = makeNoise (8, blockSize, 7);
        juce::MidiBuffer midi;
        const auto period = std::chrono::duration<double> (blockSize / sampleRate);
        auto next = std::chrono::steady_clock::now();

        for (auto count = 0; running; ++count)
        {
            if (automated)
                processor.setParameter (VevazovAzudAudioProcessor::azimuthIndex, static_cast<float> (count % 400) / 400.0f);

            processor.processBlock (block, midi);
            next += std::chrono::duration_cast<std::chrono::steady_clock::duration> (period);
            std::this_thread::sleep_until (next);
        }
    }
} // namespace

int main (int argc, char** argv)
{
    const auto seconds = argc > 1 ? std::max (1, std::atoi (argv[1])) : 60;
    const juce::ScopedJuceInitialiser_GUI framework;
    prepareDisplayForWindows();

    if (! hasDisplayForWindows())
    {
        std::cerr << "velorin_editor_load: needs an X display (run it under xvfb-run)" << std::endl;
        return 2;
    }

    const VevazovAzudAudioProcessor::KorvanneLookAndFeel lookAndFeel;
    HostedProcessor processor;
    processor.prepare (8, 4, blockSize);
    processor.setInputConfig (8);
    processor.setParameter (VevazovAzudAudioProcessor::widthIndex, 0.7f);

    VevazovAzudAudioProcessorEditor editor (processor);
    editor.addToDesktop (0);
    editor.setVisible (true);
    pumpMessages (500);

    for (const auto automated : { false, true })
    {
        std::atomic<bool> running { true };
        std::thread audio ([&]
                           { playAudio (processor, running, automated); });

        const auto cpuStart = threadCpuSeconds();
        const auto wallStart = juce::Time::getMillisecondCounterHiRes();
        runMessageLoopFor (seconds * 1000);
        const auto cpu = threadCpuSeconds() - cpuStart;
        const auto wall = (juce::Time::getMillisecondCounterHiRes() - wallStart) / 1000.0;

        running = false;
        audio.join();

        std::cout << (automated ? "meters moving and the source automated: " : "meters moving, source still: ") << wall << " s, message thread "
                  << cpu << " s of CPU, " << 100.0 * cpu / wall << " % of one core" << std::endl;
    }

    editor.removeFromDesktop();
    return 0;
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
