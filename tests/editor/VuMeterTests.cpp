#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/VuMeter.h>
#include <processor/LevelMeter.h>

#include <gtest/gtest.h>

namespace
{
    /** The smallest peak the processor meters at exactly the given level. */
    float peakForLevel (float level)
    {
        auto low = 0.0f, high = 4.0f;

        for (auto step = 0; step < 200; ++step)
        {
            const auto middle = (low + high) / 2.0f;
            (LevelMeter::valueForPeak (middle) < level ? low : high) = middle;
        }

        return level > 0.0f ? high : 0.0f;
    }

    /** The rows a meter's bar covers in its rendered image. */
    juce::Range<int> barRows (const juce::Image& image)
    {
        auto first = image.getHeight(), end = 0;

        for (auto y = 0; y < image.getHeight(); ++y)
            if (image.getPixelAt (1, y).getAlpha() > 0)
            {
                first = std::min (first, y);
                end = y + 1;
            }

        return first < end ? juce::Range<int> (first, end) : juce::Range<int>();
    }

    bool isRed (juce::Colour c) { return c.getRed() > 2 * c.getGreen(); }
    bool isGreen (juce::Colour c) { return c.getGreen() > 2 * c.getRed(); }
} // namespace

TEST (VuMeter, barRevealsTheGradientFromTheBottomInWholePixelsAndNeverQuiteFills)
{
    struct Case
    {
        float level;
        int meterHeight;
        int top, height;
    };

    const Case cases[] = {
        { 0.0f, 60, 0, 0 },
        { 0.5f, 60, 30, 30 },
        { 1.0f, 60, 0, 59 }, // as 0.999: trunc (0.06) and trunc (59.94)
        { 0.0f, 320, 0, 0 },
        { 0.5f, 320, 160, 160 },
        { 1.0f, 320, 0, 319 },
    };

    for (const auto& c : cases)
    {
        // Input channel 0 metered at the level; the meter of channel 1 stays empty.
        HostedProcessor processor;
        processor.prepare (2);
        const auto peak = peakForLevel (c.level);
        auto block = makeBuffer (4, 512, [&] (int channel, int)
                                 { return channel == 0 ? peak : 0.0f; });
        processor.process (block);
        ASSERT_EQ (processor.getLevelMeter (0), c.level);

        VuMeter meter { &processor, 0 }, silent { &processor, 1 };
        meter.setBounds (0, 0, 3, c.meterHeight);
        silent.setBounds (meter.getBounds());

        const auto image = render (meter);
        const auto rows = barRows (image);
        EXPECT_EQ (rows, juce::Range<int>::withStartAndLength (c.top, c.height)) << c.level << " at " << c.meterHeight;
        EXPECT_TRUE (barRows (render (silent)).isEmpty());

        if (c.height > 0)
        {
            // The bar shows the gradient at the same height: green at the bottom, red only near full.
            const auto topColour = image.getPixelAt (1, rows.getStart());
            EXPECT_TRUE (isGreen (image.getPixelAt (1, rows.getEnd() - 1))) << c.level;
            EXPECT_TRUE (c.level > 0.9f ? isRed (topColour) : isGreen (topColour)) << c.level << " at " << c.meterHeight;
        }
    }
}
