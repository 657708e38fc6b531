#include "../editor/ComponentProbes.h"
#include "../support/TestProcessors.h"

#include <plugin/LiveProcessWideServices.h>
#include <scene/SceneWidgets.h>

#include <gtest/gtest.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    const juce::Colour red { 0xFFD50D1B };
    const juce::Colour blue { 0xFF0B72F2 };

    /** A registry of its own, beside any that the process shares. */
    struct SceneWidgetsTest : testing::Test
    {
        SceneWidgetsTest()
        {
            widgets.registerInstance (first);
            widgets.registerInstance (second);
            widgets.refresh();
        }

        ~SceneWidgetsTest() override
        {
            widgets.unregisterInstance (first);
            widgets.unregisterInstance (second);
        }

        HostedProcessor first, second;
        SceneWidgets widgets;
    };
} // namespace

TEST (SceneRegistry, listsInstancesInConstructionOrderAndClosesTheGapOfARemovedOne)
{
    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);
    const auto& widgets = services.getScene().getWidgets();
    EXPECT_TRUE (widgets.isEmpty());

    std::vector<std::unique_ptr<HostedProcessor>> processors;

    for (auto i = 0; i < 3; ++i)
        processors.push_back (std::make_unique<HostedProcessor>());

    ASSERT_EQ (widgets.size(), 3);

    for (auto i = 0; i < 3; ++i)
        EXPECT_EQ (widgets[i].processor, processors[static_cast<size_t> (i)].get());

    processors.erase (processors.begin());
    ASSERT_EQ (widgets.size(), 2);
    EXPECT_EQ (widgets[0].processor, processors[0].get());
    EXPECT_EQ (widgets[1].processor, processors[1].get());

    processors.clear();
    EXPECT_TRUE (widgets.isEmpty());
}

TEST (SceneRegistry, newRecordTakesTheParametersAndTheFirstRefreshTheRealAppearance)
{
    HostedProcessor processor;
    processor.setParameter (Processor::azimuthIndex, 0.3f);
    processor.setParameter (Processor::elevationIndex, 0.8f);
    processor.setWidgetColour (juce::Colour (0xFF336699));
    processor.setWidgetLabel ("Vox");

    SceneWidgets widgets;
    widgets.registerInstance (processor);
    EXPECT_FLOAT_EQ (widgets[0].x, 0.3f);
    EXPECT_FLOAT_EQ (widgets[0].y, 1.0f - 0.8f);
    EXPECT_EQ (widgets[0].widgetColour, blue);
    EXPECT_TRUE (widgets[0].label.isEmpty());

    EXPECT_TRUE (widgets.refresh());
    EXPECT_EQ (widgets[0].widgetColour, juce::Colour (0xFF336699));
    EXPECT_EQ (widgets[0].label, "Vox");
    EXPECT_FALSE (processor.isSceneUpdatePending());
    EXPECT_FALSE (widgets.refresh());
    widgets.unregisterInstance (processor);
}

TEST_F (SceneWidgetsTest, refreshRereadsOnlyFlaggedInstancesButVisibilityOnEveryTick)
{
    first.setParameter (Processor::azimuthIndex, 0.1f);
    first.takeSceneUpdate(); // as if another scene had taken the change
    second.setParameter (Processor::azimuthIndex, 0.9f);

    EXPECT_TRUE (widgets.refresh());
    EXPECT_FLOAT_EQ (widgets[0].azimuth, 0.5f);
    EXPECT_FLOAT_EQ (widgets[1].azimuth, 0.9f);

    first.setParameter (Processor::showOnSceneIndex, 0.2f);
    first.takeSceneUpdate();
    EXPECT_FALSE (widgets.refresh());
    EXPECT_FALSE (widgets[0].isVisible);
    EXPECT_TRUE (widgets[1].isVisible);

    // The same value again still counts as a change.
    second.setParameter (Processor::widthIndex, second.getParameter (Processor::widthIndex));
    EXPECT_TRUE (widgets.refresh());
}

TEST_F (SceneWidgetsTest, turnsTheDotsRedCloserThanOneMetreButKeepsTheCrosshairColour)
{
    first.setWidgetColour (juce::Colour (0xFF20C040));

    const auto markerAt = [&] (float distance)
    {
        first.setParameter (Processor::distanceIndex, distance);
        widgets.refresh();
        return std::make_pair (widgets[0].markerColour, widgets[0].widgetColour);
    };

    EXPECT_EQ (markerAt (0.2f), std::make_pair (red, juce::Colour (0xFF20C040)));
    EXPECT_EQ (markerAt (0.25f), std::make_pair (juce::Colour (0xFF20C040), juce::Colour (0xFF20C040)));
    EXPECT_EQ (markerAt (std::nextafter (0.25f, 0.0f)).first, red);
}

TEST_F (SceneWidgetsTest, movesWriteAzimuthAndElevationWithTheHostToldInsideGestures)
{
    HostRecorder host (second);
    HostRecorder other (first);

    widgets.beginMove (1);
    widgets.moveTo (1, 0.25f, 0.75f);
    widgets.moveTo (1, 0.125f, 1.0f);
    widgets.endMove (1);

    EXPECT_EQ (host.calls, (Strings { "begin 0", "begin 1", "set 0", "set 1", "set 0", "set 1", "end 0", "end 1" }));
    EXPECT_FLOAT_EQ (second.getParameter (Processor::azimuthIndex), 0.125f);
    EXPECT_FLOAT_EQ (second.getParameter (Processor::elevationIndex), 0.0f);
    EXPECT_FLOAT_EQ (widgets[1].x, 0.125f);
    EXPECT_FLOAT_EQ (widgets[1].y, 1.0f);
    EXPECT_TRUE (other.calls.empty());
    EXPECT_TRUE (second.isSceneUpdatePending() && second.isGuiUpdatePending());
}

TEST_F (SceneWidgetsTest, ignoresIndicesThatNameNoRecord)
{
    HostRecorder host (first), otherHost (second);

    for (const auto index : { -1, 2, 7 })
    {
        widgets.beginMove (index);
        widgets.moveTo (index, 0.1f, 0.1f);
        widgets.endMove (index);
    }

    EXPECT_TRUE (host.calls.empty());
    EXPECT_TRUE (otherHost.calls.empty());
    EXPECT_FALSE (widgets.unregisterInstance (*std::make_unique<HostedProcessor>()));
    EXPECT_EQ (widgets.size(), 2);
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
