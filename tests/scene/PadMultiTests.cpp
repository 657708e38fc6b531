#include "../editor/ComponentProbes.h"
#include "../support/TestProcessors.h"

#include <processor/ProcessWide.h>
#include <scene/PadMulti.h>

#include <gtest/gtest.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    // A map whose eighths and tenths fall on whole pixels.
    constexpr int padWidth = 400;
    constexpr int padHeight = 200;

    const juce::Colour green { 0xFF20C040 };
    const juce::Colour orange { 0xFFE08020 };
    const juce::Colour red { 0xFFD50D1B };

    struct PadMultiTest : testing::Test
    {
        PadMultiTest()
        {
            getSceneSettings() = SceneSettings();

            for (auto* processor : { &first, &second })
            {
                processor->setInputConfig (1); // stereo: channels at -90 and +90 degrees
                widgets.registerInstance (*processor);
            }

            first.setWidgetColour (green);
            second.setWidgetColour (orange);
            place (first, 0.25f, 0.5f);
            place (second, 0.75f, 0.5f);
            pad.setBounds (0, 0, padWidth, padHeight);
        }

        ~PadMultiTest() override
        {
            widgets.unregisterInstance (first);
            widgets.unregisterInstance (second);
            getSceneSettings() = SceneSettings();
        }

        void place (Processor& processor, float azimuth, float elevation, float distance = 1.0f, float width = 0.0f)
        {
            processor.setParameter (Processor::azimuthIndex, azimuth);
            processor.setParameter (Processor::elevationIndex, elevation);
            processor.setParameter (Processor::distanceIndex, distance);
            processor.setParameter (Processor::widthIndex, width);
            widgets.refresh();
        }

        juce::Image renderScene()
        {
            widgets.refresh();
            return render (pad);
        }

        HostedProcessor first, second;
        SceneWidgets widgets;
        PadMulti pad { widgets };
    };

    bool isMostly (juce::Colour pixel, juce::Colour colour)
    {
        return pixel.getAlpha() > 200 && std::abs (pixel.getRed() - colour.getRed()) < 40
               && std::abs (pixel.getGreen() - colour.getGreen()) < 40 && std::abs (pixel.getBlue() - colour.getBlue()) < 40;
    }

    juce::Rectangle<int> around (float x, float y, int size = 26)
    {
        return juce::Rectangle<int> (size, size).withCentre ({ juce::roundToInt (x), juce::roundToInt (y) });
    }

    /** Whether any pixel of a region carries the colour, at least partly covered. */
    bool hasColourIn (const juce::Image& image, juce::Rectangle<int> region, juce::Colour colour, int minimumAlpha = 200)
    {
        for (auto y = region.getY(); y < region.getBottom(); ++y)
            for (auto x = region.getX(); x < region.getRight(); ++x)
                if (const auto pixel = image.getPixelAt (x, y); pixel.getAlpha() >= minimumAlpha && isMostly (pixel.withAlpha (1.0f), colour))
                    return true;

        return false;
    }
} // namespace

TEST_F (PadMultiTest, drawsTheGridEveryFortyFiveDegreesAcrossAndThirtySixUpAndDown)
{
    first.setParameter (Processor::showOnSceneIndex, 0.0f);
    second.setParameter (Processor::showOnSceneIndex, 0.0f);
    const auto image = renderScene();

    // Lines of one pixel straddle their whole-pixel coordinates.
    for (auto i = 1; i < 8; ++i)
    {
        EXPECT_GT (image.getPixelAt (50 * i, 7).getAlpha(), 0) << i;
        EXPECT_EQ (image.getPixelAt (50 * i + 25, 7).getAlpha(), 0) << i;
    }

    for (const auto y : { 20, 60, 100, 140, 180 })
    {
        EXPECT_GT (image.getPixelAt (37, y).getAlpha(), 0) << y;
        EXPECT_EQ (image.getPixelAt (37, y + 10).getAlpha(), 0) << y;
    }
}

TEST_F (PadMultiTest, drawsEachVisibleInstanceAsACrosshairWithItsChannelDots)
{
    place (first, 0.5f, 0.5f, 1.0f, 1.0f);
    second.setParameter (Processor::showOnSceneIndex, 0.0f);
    const auto image = renderScene();

    // Arms in the instance's colour, a gap at the centre.
    EXPECT_TRUE (isMostly (image.getPixelAt (200 - 8, 100), green));
    EXPECT_TRUE (isMostly (image.getPixelAt (200, 100 + 8), green));
    EXPECT_FALSE (hasColourIn (image, juce::Rectangle<int> (4, 4).withCentre ({ 200, 100 }), green));

    // Width 1 at the middle height: the +-90 degree channels a quarter of the map either
    // side (where grid lines cross them symmetrically).
    for (const auto x : { 100.0f, 300.0f })
        EXPECT_NEAR (measureBlob (image, around (x, 100.0f, 16)).centre.x, x, 0.5f);

    EXPECT_FALSE (hasColourIn (image, around (300, 100, 40), orange));

    // Off the grid, 40 % of the way up: the channels spread 0.8 of a quarter and are 5 px across at Distance 1.
    place (first, 0.5625f, 0.6f, 1.0f, 1.0f);
    const auto offGrid = renderScene();

    for (const auto x : { 145.0f, 305.0f })
    {
        const auto dot = measureBlob (offGrid, around (x, 80.0f, 8));
        EXPECT_NEAR (dot.centre.x, x, 0.3f);
        EXPECT_NEAR (dot.centre.y, 80.0f, 0.3f);
        EXPECT_NEAR (dot.diameter, 5.0f, 0.4f);
    }
}

TEST_F (PadMultiTest, closeSourcesShowBigRedDotsAndTheirCrosshairInTheirOwnColour)
{
    place (first, 0.5625f, 0.6f, 0.2f, 1.0f);
    auto image = renderScene();
    EXPECT_TRUE (isMostly (image.getPixelAt (145, 80), red));
    EXPECT_NEAR (measureBlob (image, around (145.0f, 80.0f, 26)).diameter, std::sqrt (0.75f) * 17.0f + 5.0f, 0.6f);
    EXPECT_TRUE (isMostly (image.getPixelAt (225 - 8, 80), green));

    place (first, 0.5625f, 0.6f, 0.25f, 1.0f);
    image = renderScene();
    EXPECT_TRUE (isMostly (image.getPixelAt (145, 80), green));
}

TEST_F (PadMultiTest, spreadsNothingAtTheTopAndWrapsDotsAroundTheSides)
{
    place (first, 0.5f, 1.0f, 1.0f, 1.0f);
    second.setParameter (Processor::showOnSceneIndex, 0.0f);
    auto image = renderScene();
    EXPECT_TRUE (isMostly (image.getPixelAt (200, 0), green)); // both dots on the crosshair
    EXPECT_FALSE (hasColourIn (image, around (100, 0, 16), green));

    // At 0.875 the +90 degree channel lands past the right edge and comes back on the left.
    place (first, 0.875f, 0.5f, 1.0f, 1.0f);
    image = renderScene();
    EXPECT_NEAR (measureBlob (image, around (50.0f, 100.0f, 16)).centre.x, 50.0f, 0.5f);
    EXPECT_NEAR (measureBlob (image, around (250.0f, 100.0f, 16)).centre.x, 250.0f, 0.5f);
}

TEST_F (PadMultiTest, picksTheNearestVisibleMarkerWithinTwentyPixelsAndTheLaterOnATie)
{
    pad.mouseMove (mouseEventAt (pad, 105, 100));
    EXPECT_EQ (pad.getHoverIndex(), 0);

    pad.mouseMove (mouseEventAt (pad, 100, 120)); // exactly 20 pixels away
    EXPECT_EQ (pad.getHoverIndex(), -1);

    // A width where both markers fall on whole pixels: first at x 128, second at 144.
    pad.setSize (512, padHeight);
    place (second, 0.28125f, 0.5f);
    pad.mouseMove (mouseEventAt (pad, 136, 100));
    EXPECT_EQ (pad.getHoverIndex(), 1);

    second.setParameter (Processor::showOnSceneIndex, 0.4f);
    widgets.refresh();
    pad.mouseMove (mouseEventAt (pad, 144, 100));
    EXPECT_EQ (pad.getHoverIndex(), 0) << "a hidden marker cannot be picked";

    pad.mouseExit (mouseEventAt (pad, 144, 100));
    EXPECT_EQ (pad.getHoverIndex(), -1);
}

TEST_F (PadMultiTest, ringsTheHoveredMarkerAndLabelsMarkersAsTheLabelModeSays)
{
    first.setWidgetLabel ("Lead vocal");
    pad.mouseMove (mouseEventAt (pad, 100, 100));
    auto image = renderScene();

    // The ring at 15 pixels around the first marker only.
    EXPECT_TRUE (hasColourIn (image, { 99, 84, 3, 2 }, green, 60));
    EXPECT_FALSE (hasColourIn (image, { 299, 84, 3, 2 }, orange, 60));

    // Labels sit 17 pixels below the marker, centred, in its colour; an empty one shows nothing.
    const juce::Rectangle<int> firstLabel { 19, 117, 162, 12 }, secondLabel { 219, 117, 162, 12 };
    EXPECT_TRUE (hasColourIn (image, firstLabel, green));
    EXPECT_FALSE (hasColourIn (image, secondLabel, orange));

    // Showing only the hovered label: the second's label shows only while it is hovered.
    second.setWidgetLabel ("Strings");
    pad.mouseDoubleClick (mouseEventAt (pad, 100, 100));
    EXPECT_FALSE (getSceneSettings().transparentWindowShowAllWidgetLabels);
    image = renderScene();
    EXPECT_TRUE (hasColourIn (image, firstLabel, green));
    EXPECT_FALSE (hasColourIn (image, secondLabel, orange));

    pad.mouseMove (mouseEventAt (pad, 300, 100));
    image = renderScene();
    EXPECT_FALSE (hasColourIn (image, firstLabel, green));
    EXPECT_TRUE (hasColourIn (image, secondLabel, orange));

    pad.mouseDoubleClick (mouseEventAt (pad, 300, 100));
    EXPECT_TRUE (getSceneSettings().transparentWindowShowAllWidgetLabels);
}

TEST_F (PadMultiTest, draggingAMarkerMovesOnlyItsInstanceWithWrapAndClamp)
{
    HostRecorder host (first), otherHost (second);

    pad.mouseMove (mouseEventAt (pad, 102, 98));
    pad.mouseDown (mouseEventAt (pad, 102, 98));
    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 1" })) << "a press does not move the marker";

    // Past the left edge the azimuth comes round from the right; below the bottom, -90 degrees.
    pad.mouseDrag (mouseEventAt (pad, -100, 260));
    EXPECT_FLOAT_EQ (first.getParameter (Processor::azimuthIndex), 0.75f);
    EXPECT_FLOAT_EQ (first.getParameter (Processor::elevationIndex), 0.0f);

    // Over the other marker the dragged one stays picked; above the top, +90 degrees.
    pad.mouseDrag (mouseEventAt (pad, 300, -5));
    EXPECT_FLOAT_EQ (first.getParameter (Processor::azimuthIndex), 0.75f);
    EXPECT_FLOAT_EQ (first.getParameter (Processor::elevationIndex), 1.0f);

    pad.mouseDrag (mouseEventAt (pad, 400, 100));
    EXPECT_FLOAT_EQ (first.getParameter (Processor::azimuthIndex), 1.0f);
    pad.mouseUp (mouseEventAt (pad, 400, 100));

    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 1", "set 0", "set 1", "set 0", "set 1", "set 0", "set 1", "end 0", "end 1" }));
    EXPECT_TRUE (otherHost.calls.empty());
}

TEST_F (PadMultiTest, pressingAwayFromEveryMarkerMovesNothing)
{
    HostRecorder host (first), otherHost (second);

    pad.mouseMove (mouseEventAt (pad, 200, 40));
    pad.mouseDown (mouseEventAt (pad, 200, 40));
    pad.mouseDrag (mouseEventAt (pad, 100, 100));
    pad.mouseUp (mouseEventAt (pad, 100, 100));

    EXPECT_TRUE (host.calls.empty());
    EXPECT_TRUE (otherHost.calls.empty());
    EXPECT_FLOAT_EQ (first.getParameter (Processor::azimuthIndex), 0.25f);
}

TEST_F (PadMultiTest, aRememberedMarkerThatNoLongerExistsIsNoMarker)
{
    pad.mouseMove (mouseEventAt (pad, 300, 100));
    ASSERT_EQ (pad.getHoverIndex(), 1);
    widgets.unregisterInstance (second);

    HostRecorder host (first);
    pad.mouseDown (mouseEventAt (pad, 300, 100));
    pad.mouseDrag (mouseEventAt (pad, 50, 50));
    pad.mouseUp (mouseEventAt (pad, 50, 50));
    EXPECT_TRUE (host.calls.empty());
    render (pad);
    widgets.registerInstance (second);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
