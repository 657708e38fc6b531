#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/PadDist.h>

#include <gtest/gtest.h>

#include <iterator>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    const juce::Colour instanceColour { 0xFF20C040 };
    const juce::Colour red { 0xFFD50D1B };

    /** A 400 x 400 pad: centre (200, 200), Distance 1 at 184 px from it; stereo. */
    struct PadDistTest : testing::Test
    {
        PadDistTest()
        {
            processor.setInputConfig (1);
            processor.setWidgetColour (instanceColour);
            pad.setBounds (0, 0, 400, 400);
        }

        HostedProcessor processor;
        PadDist pad { &processor };
        HostRecorder host { processor };
    };
} // namespace

TEST_F (PadDistTest, mouseWritesOnlyAzimuthAndDistanceInsideGesturesCappedAtTheRing)
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

    pad.mouseDown (mouseEventAt (pad, 200, 100));

    for (const auto& c : cases)
    {
        pad.mouseDrag (mouseEventAt (pad, c.x, c.y));
        EXPECT_NEAR (host.values[Processor::azimuthIndex], c.azimuth, 1.0e-6f) << c.where;
        EXPECT_NEAR (host.values[Processor::distanceIndex], c.distance, 1.0e-6f) << c.where;
    }

    pad.mouseUp (mouseEventAt (pad, 0, 0));
    const std::vector<std::string> bracket { "begin 0", "begin 2", "set 0", "set 2" };
    EXPECT_EQ (std::vector<std::string> (host.calls.begin(), host.calls.begin() + 4), bracket);
    EXPECT_EQ (host.calls.size(), 4 + 2 * std::size (cases) + 2);
    EXPECT_EQ (host.calls.back(), "end 2");
}

TEST_F (PadDistTest, pressMovesTheCrosshairUnderTheMouseAtOnce)
{
    EXPECT_TRUE (isAllWithin (render (pad), {}, 0.0f)); // nothing shows before the first values
    pad.mouseDown (mouseEventAt (pad, 350, 200));

    const auto image = render (pad);
    EXPECT_EQ (image.getPixelAt (350 - 8, 200), instanceColour);
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
        juce::Colour colour;
    };

    const Case cases[] = {
        // Width 0: every dot in the source's direction, at half its radius at +45° of elevation,
        // a third of it at -60°; red only closer than 1 m.
        { "7.1, width 0, +45°", 8, 0.75f, 0.75f, 1.0f, 0.0f, { { 292.0f, 200.0f } }, 12.5f, true, instanceColour },
        { "0.8 m, -60°", 1, 0.75f, 1.0f / 6.0f, 0.2f, 0.0f, { { 212.27f, 200.0f } }, 6.67f, true, red },
        { "exactly 1 m, -60°", 1, 0.75f, 1.0f / 6.0f, 0.25f, 0.0f, { { 215.33f, 200.0f } }, 6.67f, true, instanceColour },
        // At either pole every dot sits on the listener.
        { "+90°", 1, 0.75f, 1.0f, 1.0f, 1.0f, { { 200.0f, 200.0f } }, 15.0f, true, instanceColour },
        { "-90°", 1, 0.75f, 0.0f, 1.0f, 1.0f, { { 200.0f, 200.0f } }, 5.0f, true, instanceColour },
        // Straight ahead, Width 1: the -90° channel left, the +90° one right.
        { "ahead at 0°", 1, 0.5f, 0.5f, 0.5f, 1.0f, { { 108.0f, 200.0f }, { 292.0f, 200.0f } }, 10.0f, false, instanceColour },
        { "ahead at +45°", 1, 0.5f, 0.75f, 0.5f, 1.0f, { { 154.0f, 200.0f }, { 246.0f, 200.0f } }, 12.5f, false, instanceColour },
    };

    for (const auto& c : cases)
    {
        processor.setInputConfig (c.layout);
        pad.setSourceValues (c.azimuth, c.elevation, c.distance, c.width, instanceColour);
        const auto image = render (pad);

        for (const auto& expected : c.dots)
        {
            const auto dot = measureBlob (image, juce::Rectangle<int> (20, 20).withCentre (expected.roundToInt()));
            EXPECT_NEAR (dot.centre.x, expected.x, 0.05f) << c.what;
            EXPECT_NEAR (dot.centre.y, expected.y, 0.05f) << c.what;
            EXPECT_NEAR (dot.diameter, c.diameter, c.stacked ? 1.0f : 0.15f) << c.what;
            EXPECT_EQ (image.getPixelAt (expected.roundToInt().x, 200), c.colour) << c.what;
        }
    }
}

TEST_F (PadDistTest, repaintsOnlyWhenWhatItDrawsChanged)
{
    auto& repaints = RepaintCounter::attachTo (pad);

    for (auto distance : { 0.5f, 0.5f, 0.6f })
        pad.setSourceValues (0.5f, 0.5f, distance, 1.0f, instanceColour);

    processor.setInputConfig (8);
    pad.setSourceValues (0.5f, 0.5f, 0.6f, 1.0f, instanceColour);
    EXPECT_EQ (repaints.count, 3);
}
