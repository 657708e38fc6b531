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

        return high;
    }

    /** A stereo processor whose first input meter reads exactly the given level. */
    void meterInput0At (HostedProcessor& processor, float level)
    {
        const auto peak = level > 0.0f ? peakForLevel (level) : 0.0f;
        ASSERT_EQ (LevelMeter::valueForPeak (peak), level);

        processor.prepare (2);
        auto block = makeBuffer (4, 512, [&] (int channel, int) { return channel == 0 ? peak : 0.0f; });
        processor.process (block);
        ASSERT_EQ (processor.getLevelMeter (0), level);
    }

    /** The rows of a meter's image that the bar covers. */
    juce::Range<int> barRows (const juce::Image& image)
    {
        juce::Range<int> rows;

        for (auto y = 0; y < image.getHeight(); ++y)
            if (image.getPixelAt (1, y).getAlpha() > 0)
                rows = rows.isEmpty() ? juce::Range<int> (y, y + 1) : rows.getUnionWith (juce::Range<int> (y, y + 1));

        return rows;
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
        { 1.0f, 60, 0, 59 }, // drawn as 0.999: trunc (0.06) and trunc (59.94)
        { 0.0f, 320, 0, 0 },
        { 0.5f, 320, 160, 160 },
        { 1.0f, 320, 0, 319 },
    };

    for (const auto& c : cases)
    {
        HostedProcessor processor;
        meterInput0At (processor, c.level);
        VuMeter meter { &processor, 0 };
        meter.setBounds (0, 0, 3, c.meterHeight);

        const auto image = render (meter);
        const auto rows = barRows (image);
        EXPECT_EQ (rows.getLength(), c.height) << c.level << " at " << c.meterHeight;

        if (c.height == 0)
            continue;

        EXPECT_EQ (rows.getStart(), c.top) << c.level << " at " << c.meterHeight;
        EXPECT_TRUE (isGreen (image.getPixelAt (1, rows.getEnd() - 1))) << c.level;

        // The bar's top shows the gradient at the same height: red only near full.
        const auto top = image.getPixelAt (1, rows.getStart());
        EXPECT_TRUE (c.level > 0.9f ? isRed (top) : isGreen (top)) << c.level << " at " << c.meterHeight;
    }
}

TEST (VuMeter, readsItsOwnEntryOfTheProcessorsMeters)
{
    HostedProcessor processor;
    meterInput0At (processor, 1.0f);

    VuMeter silent { &processor, 1 }, outOfRange { &processor, 12 };

    for (auto* meter : { &silent, &outOfRange })
    {
        meter->setBounds (0, 0, 3, 60);
        EXPECT_TRUE (barRows (render (*meter)).isEmpty());
    }

    EXPECT_EQ (silent.getName(), "vuMeter");
}
