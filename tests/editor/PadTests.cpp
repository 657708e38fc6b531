#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/Pad.h>

#include <gtest/gtest.h>

#include <limits>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    const juce::Colour instanceColour { 0xFF20C040 };
    const juce::Colour red { 0xFFD50D1B };

    /** A 400 x 200 pad, so that halves and quarters fall on whole pixels; stereo. */
    struct PadTest : testing::Test
    {
        PadTest()
        {
            processor.setInputConfig (1);
            pad.setBounds (0, 0, 400, 200);
        }

        juce::Image renderAt (float azimuth, float elevation, float distance, float width)
        {
            pad.setSourceValues (azimuth, elevation, distance, width, instanceColour);
            return render (pad);
        }

        HostedProcessor processor;
        Pad pad { &processor };
        HostRecorder host { processor };
    };

    Blob dotAt (const juce::Image& image, int x, int y)
    {
        return measureBlob (image, juce::Rectangle<int> (30, 30).withCentre ({ x, y }));
    }
} // namespace

TEST_F (PadTest, mouseWritesOnlyAzimuthAndElevationInsideGesturesWrappingSidewaysAndClampingUpAndDown)
{
    struct Case
    {
        int x, y;
        float azimuth, elevation;
    };

    const Case cases[] = {
        { 0, 100, 0.0f, 0.5f }, // left edge: -180°
        { 200, 50, 0.5f, 0.75f }, // middle: straight ahead
        { 400, 100, 1.0f, 0.5f }, // the right edge stays +180°
        { 500, 100, 0.25f, 0.5f }, // past the right edge, on from the left
        { -100, 100, 0.75f, 0.5f }, // past the left edge, on from the right
        { 200, -50, 0.5f, 1.0f }, // above the top: +90°
        { 200, 300, 0.5f, 0.0f }, // below the bottom: -90°
    };

    std::vector<std::string> expectedCalls { "begin 0", "begin 1" };
    pad.mouseDown (mouseEventAt (pad, 200, 100));
    expectedCalls.insert (expectedCalls.end(), { "set 0", "set 1" });

    for (const auto& c : cases)
    {
        pad.mouseDrag (mouseEventAt (pad, c.x, c.y));
        expectedCalls.insert (expectedCalls.end(), { "set 0", "set 1" });
        EXPECT_FLOAT_EQ (host.values[Processor::azimuthIndex], c.azimuth) << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ (host.values[Processor::elevationIndex], c.elevation) << c.x << ", " << c.y;
    }

    pad.mouseUp (mouseEventAt (pad, 200, 300));
    expectedCalls.insert (expectedCalls.end(), { "end 0", "end 1" });
    EXPECT_EQ (host.calls, expectedCalls);
    EXPECT_FLOAT_EQ (processor.getParameter (Processor::elevationIndex), 0.0f);
}

TEST_F (PadTest, crosshairArmsLeaveASixPixelGapAroundTheSource)
{
    const auto image = renderAt (0.5f, 0.5f, 1.0f, 1.0f); // at (200, 100)

    // Arms from 3 to 12 px out, 2 px thick: rows 99-100 and columns 199-200.
    for (auto offset : { 3, 11 })
        for (auto across : { 0, 1 })
        {
            EXPECT_EQ (image.getPixelAt (200 - offset - 1, 99 + across), instanceColour);
            EXPECT_EQ (image.getPixelAt (200 + offset, 99 + across), instanceColour);
            EXPECT_EQ (image.getPixelAt (199 + across, 100 - offset - 1), instanceColour);
            EXPECT_EQ (image.getPixelAt (199 + across, 100 + offset), instanceColour);
        }

    EXPECT_TRUE (isAllWithin (image.getClippedImage ({ 197, 97, 6, 6 }), {}, 0.0f));
    EXPECT_EQ (image.getPixelAt (200 - 13, 100).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (200 + 12, 100).getAlpha(), 0);
}

TEST_F (PadTest, dotsSpreadByWidthGrowUntilOneMetreAndTurnRedOnlyCloser)
{
    struct Case
    {
        int layout;
        float distance, diameter;
        juce::Colour colour;
    };

    const Case cases[] = {
        { 1, 1.0f, 5.0f, instanceColour },
        { 1, 0.5f, 17.02f, instanceColour },
        { 1, 0.25f, 19.72f, instanceColour },
        { 1, 0.2f, 19.72f, red },
        { 1, 0.0f, 19.72f, red },
        { 1, 3.0f, 5.0f, instanceColour }, // past Distance 1, as at 1
        { 0, 1.0f, 5.0f, instanceColour }, // Mono draws two dots too
    };

    for (const auto& c : cases)
    {
        // Channels at -90° and +90° with Width 1: a quarter of the width either side.
        processor.setInputConfig (c.layout);
        const auto image = renderAt (0.5f, 0.5f, c.distance, 1.0f);

        for (auto x : { 100, 300 })
        {
            const auto dot = dotAt (image, x, 100);
            EXPECT_NEAR (dot.centre.x, static_cast<float> (x), 0.05f) << c.distance;
            EXPECT_NEAR (dot.centre.y, 100.0f, 0.05f) << c.distance;
            EXPECT_NEAR (dot.diameter, c.diameter, 0.15f) << c.distance;
            EXPECT_EQ (image.getPixelAt (x, 100), c.colour) << c.distance;
        }

        EXPECT_EQ (image.getPixelAt (192, 100), instanceColour) << c.distance;
    }
}

TEST_F (PadTest, dotsMeetOnTheCrosshairAtTheTopAndBottomEdgesWhateverTheWidth)
{
    processor.setInputConfig (13);

    for (auto elevation : { 1.0f, 0.0f })
    {
        const auto image = renderAt (0.5f, elevation, 0.2f, 1.0f);
        EXPECT_TRUE (isAllWithin (image, { 200.0f, (1.0f - elevation) * 200.0f }, SourceMarker::crosshairReach + 1.0f)) << elevation;
        EXPECT_EQ (image.getPixelAt (200, elevation > 0.5f ? 4 : 195), red) << elevation; // over the crosshair
    }
}

TEST_F (PadTest, markerCrossingASideShowsOnBothSides)
{
    struct Case
    {
        float azimuth, width, distance;
        int probeX, probeY;
    };

    const Case cases[] = {
        { 0.99f, 0.0f, 1.0f, 5, 100 }, // crosshair 4 px from the right edge: its right arm at the left
        { 0.01f, 0.0f, 1.0f, 394, 100 }, // and the reverse
        { 0.75f, 1.0f, 0.25f, 3, 105 }, // the +90° dot centred on the right edge: its other half at the left
        { 0.25f, 1.0f, 0.25f, 396, 105 }, // the -90° dot centred on the left edge: its other half at the right
    };

    for (const auto& c : cases)
        EXPECT_EQ (renderAt (c.azimuth, 0.5f, c.distance, c.width).getPixelAt (c.probeX, c.probeY).getAlpha(), 255) << c.azimuth;
}

TEST_F (PadTest, repaintsOnlyWhenWhatItDrawsChanged)
{
    auto& repaints = RepaintCounter::attachTo (pad);

    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    pad.setSourceValues (0.5f, 0.5f, 0.5f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 2);

    processor.setInputConfig (8);
    pad.setSourceValues (0.5f, 0.5f, 0.5f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 3);

    // A host that puts the source back after a drag puts the marker back too.
    pad.mouseDown (mouseEventAt (pad, 300, 50));
    pad.mouseUp (mouseEventAt (pad, 300, 50));
    pad.setSourceValues (0.5f, 0.5f, 0.5f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 5);
}

TEST_F (PadTest, outlandishValuesFromAHostDrawNothingRatherThanOverflowTheRasteriser)
{
    for (auto value : { std::numeric_limits<float>::quiet_NaN(), 1.0e30f, -1.0e30f })
        EXPECT_TRUE (isAllWithin (renderAt (value, value, value, value), {}, 0.0f)) << value;
}
