#include "../support/TestProcessors.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

// The audio thread runs blocks while a host automates parameters from another
// thread and the user switches layouts and conventions from a third. Run under
// ThreadSanitizer this shows any value shared without being a whole atomic word.
TEST (Threading, blocksParametersAndLayoutChangesRunConcurrently)
{
    HostedProcessor processor;
    processor.prepare (8);

    std::atomic<bool> running { true };
    std::atomic<int> blocksProcessed { 0 };

    std::thread automation ([&]
                            {
        juce::Random random (1);

        while (running)
            processor.setParameter (random.nextInt (6), random.nextFloat()); });

    std::thread options ([&]
                         {
        juce::Random random (2);

        while (running)
        {
            processor.setInputConfig (random.nextInt (16));
            processor.setOutputConfig (random.nextInt (2));
            processor.setDistAttenuationFactor (random.nextInt (6));
            std::this_thread::yield();
        } });

    auto buffer = makeNoise (8, 512);
    auto finite = true;

    for (auto block = 0; block < 400; ++block)
    {
        auto input = makeNoise (8, 512, block);
        buffer.makeCopyOf (input, true);
        processor.process (buffer);

        for (auto channel = 0; channel < 4; ++channel)
            finite = finite && std::isfinite (buffer.getMagnitude (channel, 0, 512));

        ++blocksProcessed;
    }

    running = false;
    automation.join();
    options.join();

    EXPECT_EQ (blocksProcessed.load(), 400);
    EXPECT_TRUE (finite);

    for (auto meter = 0; meter < VevazovAzudAudioProcessor::numMeters; ++meter)
        EXPECT_TRUE (processor.getLevelMeter (meter) >= 0.0f && processor.getLevelMeter (meter) <= 1.0f);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
