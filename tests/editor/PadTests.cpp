#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/Pad.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    // A pad whose halves and quarters fall on whole pixels.
    constexpr int padWidth = 400;
    constexpr int padHeight = 200;

    const juce::Colour instanceColour { 0xFF20C040 };
    const juce::Colour red { 0xFFD50D1B };

    struct PadTest : testing::Test
    {
        PadTest()
        {
            processor.setInputConfig (1);
            pad.setBounds (0, 0, padWidth, padHeight);
        }

        /** The pad at a source position; layout and colour as set up. */
        juce::Image renderAt (float azimuth, float elevation, float distance, float width)
        {
            pad.setSourceValues (azimuth, elevation, distance, width, instanceColour);
            return render (pad);
        }

        HostedProcessor processor;
        Pad pad { &processor };
        HostRecorder host { processor };
    };

    juce::Rectangle<int> windowAround (float x, float y)
    {
        return juce::Rectangle<int> (30, 30).withCentre ({ juce::roundToInt (x), juce::roundToInt (y) });
    }
} // namespace

TEST_F (PadTest, pressDragAndReleaseWriteOnlyAzimuthAndElevationInsideTheirGestures)
{
    pad.mouseDown (mouseEventAt (pad, 200, 50));
    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 1", "set 0", "set 1" }));
    EXPECT_FLOAT_EQ (host.values[Processor::azimuthIndex], 0.5f);
    EXPECT_FLOAT_EQ (host.values[Processor::elevationIndex], 0.75f);

    pad.mouseDrag (mouseEventAt (pad, 100, 150));
    pad.mouseUp (mouseEventAt (pad, 100, 150));
    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 1", "set 0", "set 1", "set 0", "set 1", "end 0", "end 1" }));
    EXPECT_FLOAT_EQ (processor.getParameter (Processor::azimuthIndex), 0.25f);
    EXPECT_FLOAT_EQ (processor.getParameter (Processor::elevationIndex), 0.25f);
}

TEST_F (PadTest, pressMovesTheMarkerBeforeTheEditorRefreshes)
{
    pad.setSourceValues (0.5f, 0.5f, 1.0f, 0.0f, instanceColour);
    pad.mouseDown (mouseEventAt (pad, 300, 50));

    const auto image = render (pad);
    EXPECT_EQ (image.getPixelAt (300 - 8, 50), instanceColour);
    EXPECT_EQ (image.getPixelAt (300, 50 + 8), instanceColour);
    EXPECT_EQ (image.getPixelAt (200 - 8, 100).getAlpha(), 0);
    pad.mouseUp (mouseEventAt (pad, 300, 50));
}

TEST_F (PadTest, mouseWrapsAroundTheSidesAndClampsAtTheTopAndBottom)
{
    struct Case
    {
        int x, y;
        float azimuth, elevation;
    };

    const Case cases[] = {
        { 0, 100, 0.0f, 0.5f },     // left edge: -180°
        { 200, 100, 0.5f, 0.5f },   // middle: straight ahead
        { 400, 100, 1.0f, 0.5f },   // right edge stays +180°
        { 500, 100, 0.25f, 0.5f },  // past the right edge, on from the left
        { -100, 100, 0.75f, 0.5f }, // past the left edge, on from the right
        { 200, -50, 0.5f, 1.0f },   // above the top: +90°
        { 200, 300, 0.5f, 0.0f },   // below the bottom: -90°
    };

    for (const auto& c : cases)
    {
        pad.mouseDrag (mouseEventAt (pad, c.x, c.y));
        EXPECT_FLOAT_EQ (host.values[Processor::azimuthIndex], c.azimuth) << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ (host.values[Processor::elevationIndex], c.elevation) << c.x << ", " << c.y;
    }
}

TEST_F (PadTest, crosshairArmsLeaveAGapAtTheSource)
{
    const auto image = renderAt (0.5f, 0.5f, 1.0f, 1.0f); // source at (200, 100)

    // Each arm runs from 3 to 12 px out, 2 px thick: rows 99-100, columns 199-200.
    for (auto offset : { 3, 7, 11 })
        for (auto across : { 0, 1 })
        {
            EXPECT_EQ (image.getPixelAt (200 - offset - 1, 99 + across), instanceColour);
            EXPECT_EQ (image.getPixelAt (200 + offset, 99 + across), instanceColour);
            EXPECT_EQ (image.getPixelAt (199 + across, 100 - offset - 1), instanceColour);
            EXPECT_EQ (image.getPixelAt (199 + across, 100 + offset), instanceColour);
        }

    for (auto y = 97; y < 103; ++y)
        for (auto x = 197; x < 203; ++x)
            EXPECT_EQ (image.getPixelAt (x, y).getAlpha(), 0) << x << ", " << y;

    EXPECT_EQ (image.getPixelAt (200 - 13, 100).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (200 + 12, 100).getAlpha(), 0);
}

TEST_F (PadTest, dotsSpreadByWidthAndGrowUntilOneMetre)
{
    struct Case
    {
        float distance, diameter;
    };

    const Case cases[] = { { 1.0f, 5.0f }, { 0.5f, 17.02f }, { 0.25f, 19.72f }, { 0.1f, 19.72f }, { 0.0f, 19.72f } };

    for (const auto& c : cases)
    {
        // Stereo at -90° and +90° with Width 1: a quarter of the width either side.
        const auto image = renderAt (0.5f, 0.5f, c.distance, 1.0f);

        for (auto x : { 100.0f, 300.0f })
        {
            const auto dot = measureBlob (image, windowAround (x, 100.0f));
            EXPECT_NEAR (dot.centre.x, x, 0.05f) << c.distance;
            EXPECT_NEAR (dot.centre.y, 100.0f, 0.05f) << c.distance;
            EXPECT_NEAR (dot.diameter, c.diameter, 0.15f) << c.distance;
        }
    }
}

TEST_F (PadTest, dotsTurnRedOnlyCloserThanOneMetreWhileTheCrosshairKeepsTheInstanceColour)
{
    struct Case
    {
        float distance;
        juce::Colour dots;
    };

    const Case cases[] = { { 0.0f, red }, { 0.2f, red }, { 0.25f, instanceColour }, { 0.8f, instanceColour } };

    for (const auto& c : cases)
    {
        const auto image = renderAt (0.5f, 0.5f, c.distance, 1.0f);
        EXPECT_EQ (image.getPixelAt (100, 100), c.dots) << c.distance;
        EXPECT_EQ (image.getPixelAt (300, 100), c.dots) << c.distance;
        EXPECT_EQ (image.getPixelAt (192, 100), instanceColour) << c.distance;
    }
}

TEST_F (PadTest, monoDrawsTwoDots)
{
    processor.setInputConfig (0);
    const auto image = renderAt (0.5f, 0.5f, 1.0f, 1.0f);

    for (auto x : { 100.0f, 300.0f })
        EXPECT_NEAR (measureBlob (image, windowAround (x, 100.0f)).diameter, 5.0f, 0.15f);
}

TEST_F (PadTest, dotsMeetOnTheCrosshairAtTheTopAndBottomEdgesWhateverTheWidth)
{
    processor.setInputConfig (13);

    for (auto elevation : { 1.0f, 0.0f })
    {
        const auto image = renderAt (0.5f, elevation, 0.2f, 1.0f);
        const auto reach = SourceMarker::crosshairReach + 1.0f;

        EXPECT_TRUE (isAllWithin (image, { 200.0f, (1.0f - elevation) * padHeight }, reach)) << elevation;
        EXPECT_EQ (image.getPixelAt (200, elevation > 0.5f ? 4 : 195), red) << elevation;
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
        { 0.99f, 0.0f, 1.0f, 5, 100 },     // crosshair 4 px from the right edge: its right arm at the left
        { 0.01f, 0.0f, 1.0f, 394, 100 },   // and the reverse
        { 0.75f, 1.0f, 0.25f, 3, 105 },    // right dot centred on the right edge: its other half at the left
        { 0.25f, 1.0f, 0.25f, 396, 105 },  // left dot centred on the left edge: its other half at the right
    };

    for (const auto& c : cases)
    {
        const auto image = renderAt (c.azimuth, 0.5f, c.distance, c.width);
        EXPECT_EQ (image.getPixelAt (c.probeX, c.probeY).getAlpha(), 255) << c.azimuth;
    }
}

TEST_F (PadTest, beforeTheFirstRefreshOnlyTheDotsShowAtTheProcessorsPosition)
{
    processor.setParameter (Processor::azimuthIndex, 0.25f);
    processor.setParameter (Processor::widthIndex, 0.0f);
    Pad fresh { &processor };
    fresh.setBounds (0, 0, padWidth, padHeight);

    const auto image = render (fresh);
    const auto dot = measureBlob (image, image.getBounds());

    EXPECT_NEAR (dot.centre.x, 100.0f, 0.05f);
    EXPECT_EQ (image.getPixelAt (100, juce::roundToInt (dot.centre.y)), juce::Colour (Processor::defaultWidgetColour));
    EXPECT_TRUE (isAllWithin (image, dot.centre, dot.diameter / 2.0f + 1.0f)); // no crosshair yet
}

TEST_F (PadTest, repaintsOnlyWhenWhatItDrawsChanged)
{
    auto& repaints = countRepaints (pad);

    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 1);

    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, red);
    pad.setSourceValues (0.5f, 0.5f, 0.5f, 1.0f, red);
    EXPECT_EQ (repaints.count, 3);

    processor.setInputConfig (8);
    pad.setSourceValues (0.5f, 0.5f, 0.5f, 1.0f, red);
    EXPECT_EQ (repaints.count, 4);
}

TEST_F (PadTest, outlandishValuesFromAHostDrawNothingRatherThanOverflowTheRasteriser)
{
    const auto nan = std::numeric_limits<float>::quiet_NaN();

    for (auto value : { nan, 1.0e30f, -1.0e30f })
    {
        const auto image = renderAt (value, value, 1.0f, value);
        EXPECT_TRUE (isAllWithin (image, {}, 0.0f)) << value;
    }

    // A distance past 1 draws the smallest dots.
    const auto image = renderAt (0.5f, 0.5f, 3.0f, 1.0f);
    EXPECT_NEAR (measureBlob (image, windowAround (100.0f, 100.0f)).diameter, 5.0f, 0.15f);
}
