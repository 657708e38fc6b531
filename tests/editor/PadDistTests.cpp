#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/PadDist.h>

#include <gtest/gtest.h>

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    // Centre (200, 200); Distance 1 lies 184 px from it.
    constexpr int padSize = 400;

    const juce::Colour instanceColour { 0xFF20C040 };
    const juce::Colour red { 0xFFD50D1B };

    struct PadDistTest : testing::Test
    {
        PadDistTest()
        {
            processor.setInputConfig (1);
            pad.setBounds (0, 0, padSize, padSize);
        }

        juce::Image renderAt (float azimuth, float elevation, float distance, float width)
        {
            pad.setSourceValues (azimuth, elevation, distance, width, instanceColour);
            return render (pad);
        }

        HostedProcessor processor;
        PadDist pad { &processor };
        HostRecorder host { processor };
    };

    juce::Rectangle<int> windowAround (juce::Point<float> centre)
    {
        return juce::Rectangle<int> (30, 30).withCentre (centre.roundToInt());
    }
} // namespace

TEST_F (PadDistTest, pressDragAndReleaseWriteOnlyAzimuthAndDistanceInsideTheirGestures)
{
    pad.mouseDown (mouseEventAt (pad, 200, 50));
    pad.mouseDrag (mouseEventAt (pad, 350, 200));
    pad.mouseUp (mouseEventAt (pad, 350, 200));

    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 2", "set 0", "set 2", "set 0", "set 2", "end 0", "end 2" }));
    EXPECT_FLOAT_EQ (processor.getParameter (Processor::azimuthIndex), 0.75f);
}

TEST_F (PadDistTest, mouseGivesTheAngleAroundTheCentreAndCapsTheDistanceAtTheRing)
{
    struct Case
    {
        const char* where;
        int x, y;
        float azimuth, distance;
    };

    const Case cases[] = {
        { "straight up", 200, 50, 0.5f, 0.75f / 0.92f },
        { "right", 350, 200, 0.75f, 0.75f / 0.92f },
        { "left", 50, 200, 0.25f, 0.75f / 0.92f },
        { "half-way up to the ring", 200, 108, 0.5f, 0.5f },
        { "top-left corner", 0, 0, 0.375f, 1.0f },
        { "beyond the bottom-left corner", -60, 450, 0.125f, 1.0f },
    };

    for (const auto& c : cases)
    {
        pad.mouseDrag (mouseEventAt (pad, c.x, c.y));
        EXPECT_NEAR (host.values[Processor::azimuthIndex], c.azimuth, 1.0e-6f) << c.where;
        EXPECT_NEAR (host.values[Processor::distanceIndex], c.distance, 1.0e-6f) << c.where;
    }
}

TEST_F (PadDistTest, pressMovesTheCrosshairUnderTheMouseInTheInstancesColour)
{
    processor.setWidgetColour (instanceColour);
    pad.mouseDown (mouseEventAt (pad, 350, 200));

    const auto image = render (pad);
    EXPECT_EQ (image.getPixelAt (350 - 8, 200), instanceColour);
    EXPECT_EQ (image.getPixelAt (350 + 7, 200), instanceColour);
    EXPECT_EQ (image.getPixelAt (350, 200 - 8), instanceColour);
    pad.mouseUp (mouseEventAt (pad, 350, 200));
}

TEST_F (PadDistTest, dotsCircleTheCentreAtTheSourcesRadiusShrunkTowardsThePoles)
{
    struct Case
    {
        const char* what;
        int layout;
        float azimuth, elevation, distance, width;
        std::vector<juce::Point<float>> dots;
        float diameter;
        bool stacked; // dots drawn over each other thicken their anti-aliased rims
    };

    const Case cases[] = {
        // Width 0: every dot in the source's direction, at half the radius at +45°.
        { "7.1, width 0, +45°", 8, 0.75f, 0.75f, 1.0f, 0.0f, { { 292.0f, 200.0f } }, 12.5f, true },
        // At either pole every dot sits on the listener.
        { "stereo at +90°", 1, 0.75f, 1.0f, 1.0f, 1.0f, { { 200.0f, 200.0f } }, 15.0f, true },
        { "stereo at -90°", 1, 0.75f, 0.0f, 1.0f, 1.0f, { { 200.0f, 200.0f } }, 5.0f, true },
        // Straight ahead, Width 1: the -90° channel left, the +90° one right.
        { "stereo ahead at 0°", 1, 0.5f, 0.5f, 0.5f, 1.0f, { { 108.0f, 200.0f }, { 292.0f, 200.0f } }, 10.0f, false },
        { "stereo ahead at +45°", 1, 0.5f, 0.75f, 0.5f, 1.0f, { { 154.0f, 200.0f }, { 246.0f, 200.0f } }, 12.5f, false },
    };

    for (const auto& c : cases)
    {
        processor.setInputConfig (c.layout);
        const auto image = renderAt (c.azimuth, c.elevation, c.distance, c.width);

        for (const auto& expected : c.dots)
        {
            const auto dot = measureBlob (image, windowAround (expected));
            EXPECT_NEAR (dot.centre.x, expected.x, 0.05f) << c.what;
            EXPECT_NEAR (dot.centre.y, expected.y, 0.05f) << c.what;
            EXPECT_NEAR (dot.diameter, c.diameter, c.stacked ? 1.0f : 0.15f) << c.what;
        }
    }
}

TEST_F (PadDistTest, crosshairShowsAzimuthAndDistanceOnly)
{
    // Behind and half-way out; the stereo dots, at +90°, sit on the listener.
    const auto image = renderAt (0.0f, 1.0f, 0.5f, 1.0f);

    EXPECT_EQ (image.getPixelAt (200 - 8, 292), instanceColour);
    EXPECT_EQ (image.getPixelAt (200, 292 + 7), instanceColour);
    EXPECT_EQ (image.getPixelAt (200, 292).getAlpha(), 0);
}

TEST_F (PadDistTest, dotsTurnRedOnlyCloserThanOneMetre)
{
    struct Case
    {
        float distance;
        juce::Colour dots;
    };

    const Case cases[] = { { 0.2f, red }, { 0.25f, instanceColour } };

    for (const auto& c : cases)
    {
        // At -45° of elevation the dots lie at half the source's radius, clear of the crosshair.
        const auto image = renderAt (0.75f, 0.25f, c.distance, 0.0f);
        const auto dotX = juce::roundToInt (200.0f + 0.5f * 184.0f * c.distance);
        EXPECT_EQ (image.getPixelAt (dotX, 200), c.dots) << c.distance;
    }
}

TEST_F (PadDistTest, showsNothingBeforeTheFirstValuesArrive)
{
    EXPECT_TRUE (isAllWithin (render (pad), {}, 0.0f));
}

TEST_F (PadDistTest, repaintsOnlyWhenWhatItDrawsChanged)
{
    auto& repaints = countRepaints (pad);

    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 1);

    processor.setInputConfig (8);
    pad.setSourceValues (0.5f, 0.5f, 1.0f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 2);
}
