#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"
#include "ComponentProbes.h"

#include <editor/VevazovAzudAudioProcessorEditor.h>

#include <BinaryData.h>

#include <gtest/gtest.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    template <typename Type = juce::Component>
    Type* child (juce::Component& parent, const juce::String& name)
    {
        for (auto* component : parent.getChildren())
            if (component->getName() == name)
                return dynamic_cast<Type*> (component);

        return nullptr;
    }

    struct EditorTest : testing::Test
    {
        EditorTest()
        {
            processor.prepare (8);
            processor.setInputConfig (8);
            editor = std::make_unique<VevazovAzudAudioProcessorEditor> (processor);
            editor->timerCallback();
        }

        juce::Slider& slider (const char* name) { return *child<juce::Slider> (*editor, name); }

        /** A vertical drag on a knob, as a user's mouse makes it. */
        void drag (juce::Slider& knob, int pixelsUp)
        {
            const auto centre = knob.getLocalBounds().getCentre();
            knob.mouseDown (mouseEventAt (knob, centre.x, centre.y));
            knob.mouseDrag (mouseEventAt (knob, centre.x, centre.y - pixelsUp));
            knob.mouseUp (mouseEventAt (knob, centre.x, centre.y - pixelsUp));
        }

        HostedProcessor processor;
        std::unique_ptr<VevazovAzudAudioProcessorEditor> editor;
    };
} // namespace

TEST_F (EditorTest, isAFixedWindowWithItsChildrenInStackingOrder)
{
    EXPECT_EQ (editor->getWidth(), 556);
    EXPECT_EQ (editor->getHeight(), 503);
    EXPECT_FALSE (editor->isResizable());

    const Strings names { "vuMeter", "vuMeter", "vuMeter", "engrenage", "sliderEle", "new button", "sliderAzi", "sliderGain", "sliderDist", "vuMeter", "PadDist", "Pad", "sliderWidth", "sliderEleVertical", "imageButtonVue", "inputVuMeters" };
    ASSERT_EQ (editor->getNumChildComponents(), 18);

    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ (editor->getChildComponent (static_cast<int> (i))->getName().toStdString(), names[i]) << i;

    EXPECT_EQ (child (*editor, "sliderGain")->getBounds(), juce::Rectangle<int> (434, 428, 114, 70));
    EXPECT_EQ (child (*editor, "PadDist")->getBounds(), juce::Rectangle<int> (4, 30, 375, 375));
    EXPECT_EQ (child (*editor, "inputVuMeters")->getBounds(), juce::Rectangle<int> (441, 60, 29, 338));
    EXPECT_FALSE (editor->getChildComponent (16)->isVisible());
    EXPECT_FALSE (editor->getChildComponent (17)->isVisible());
}

TEST_F (EditorTest, knobDragsWriteNormalisedValuesInsideGestures)
{
    struct Case
    {
        const char* knob;
        int parameter;
        float expected;
    };

    // Each knob dragged to the top of its travel.
    const Case cases[] { { "sliderAzi", 0, 1.0f }, { "sliderEle", 1, 1.0f }, { "sliderDist", 2, 1.0f }, { "sliderWidth", 3, 1.0f }, { "sliderGain", 4, 1.0f } };

    for (const auto& c : cases)
    {
        HostRecorder host (processor);
        drag (slider (c.knob), 600);
        ASSERT_GE (host.calls.size(), 3u) << c.knob;
        EXPECT_EQ (host.calls.front(), "begin " + std::to_string (c.parameter)) << c.knob;
        EXPECT_EQ (host.calls.back(), "end " + std::to_string (c.parameter)) << c.knob;
        EXPECT_FLOAT_EQ (host.values[c.parameter], c.expected) << c.knob;
        EXPECT_EQ (host.values.size(), 1u) << c.knob << " writes only its own parameter";
    }

    // Values in between, as the knobs convert them.
    slider ("sliderAzi").setValue (-90.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (processor.getParameter (0), 0.25f);
    slider ("sliderDist").setValue (1.5, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (processor.getParameter (2), 0.375f);
    slider ("sliderGain").setValue (-6.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (processor.getParameter (4), 0.84f);
    slider ("sliderEleVertical").setValue (45.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ (processor.getParameter (1), 0.75f);
}

TEST_F (EditorTest, followsTheHostWithinOneTickWithoutWritingBack)
{
    HostRecorder host (processor);
    processor.setParameter (0, 0.75f);
    processor.setParameter (1, 0.25f);
    processor.setParameter (2, 0.5f);
    processor.setParameter (3, 0.3f);
    processor.setParameter (4, 0.5f);
    editor->timerCallback();

    EXPECT_EQ (slider ("sliderAzi").getValue(), 90.0);
    EXPECT_EQ (slider ("sliderEle").getValue(), -45.0);
    EXPECT_EQ (slider ("sliderEleVertical").getValue(), -45.0);
    EXPECT_EQ (slider ("sliderDist").getValue(), 2.0);
    EXPECT_EQ (slider ("sliderWidth").getValue(), 30.0);
    EXPECT_EQ (slider ("sliderGain").getValue(), -40.0);
    EXPECT_TRUE (host.calls.empty());

    // The top view's marker moved to 90 degrees right, 2 m out.
    const auto image = render (*child (*editor, "PadDist"));
    const auto centre = 187.5f + 0.92f * 0.5f * 187.5f;
    EXPECT_GT (image.getPixelAt (juce::roundToInt (centre) - 8, 187).getAlpha(), 200);
}

TEST_F (EditorTest, turnsTheDistanceBoxRedOnlyCloserThanOneMetre)
{
    const auto boxColourAt = [&] (float distance)
    {
        processor.setParameter (2, distance);
        editor->timerCallback();
        return slider ("sliderDist").findColour (juce::Slider::textBoxBackgroundColourId).getARGB();
    };

    EXPECT_EQ (boxColourAt (0.2f), 0xa0f00000u);
    EXPECT_EQ (boxColourAt (0.25f), 0x5092928du);
    EXPECT_EQ (boxColourAt (std::nextafter (0.25f, 0.0f)), 0xa0f00000u);
    EXPECT_EQ (boxColourAt (0.8f), 0x5092928du);
}

TEST_F (EditorTest, doubleClicksReturnEachKnobToItsOwnZeroAndDistanceToOneMetre)
{
    processor.setParameter (0, 0.9f);
    processor.setParameter (1, 0.9f);
    processor.setParameter (2, 0.9f);
    processor.setParameter (4, 0.1f);
    editor->timerCallback();

    struct Case
    {
        const char* knob;
        int parameter;
        float expected;
    };

    for (const auto& c : { Case { "sliderAzi", 0, 0.5f }, Case { "sliderDist", 2, 0.25f }, Case { "sliderGain", 4, 0.9f }, Case { "sliderEleVertical", 1, 0.5f } })
    {
        HostRecorder host (processor);
        auto& knob = slider (c.knob);
        knob.mouseDoubleClick (mouseEventAt (knob, knob.getWidth() / 2, knob.getHeight() / 2));
        EXPECT_FLOAT_EQ (processor.getParameter (c.parameter), c.expected) << c.knob;
        EXPECT_EQ (host.calls, (Strings { "begin " + std::to_string (c.parameter), "set " + std::to_string (c.parameter), "end " + std::to_string (c.parameter) })) << c.knob;
    }
}

TEST_F (EditorTest, gainKnobSpendsItsUpperHalfOnTheTopTenDecibels)
{
    auto& gain = slider ("sliderGain");
    EXPECT_NEAR (gain.proportionOfLengthToValue (0.5), -0.1, 0.05);
    gain.setValue (gain.proportionOfLengthToValue (0.5), juce::sendNotificationSync);
    EXPECT_EQ (gain.getValue(), 0.0);
    EXPECT_FLOAT_EQ (processor.getParameter (4), 0.9f);
    EXPECT_EQ (gain.proportionOfLengthToValue (0.0), -90.0);
    EXPECT_EQ (gain.proportionOfLengthToValue (1.0), 10.0);
}

TEST_F (EditorTest, bothElevationControlsFollowEachOtherOnTheNextTick)
{
    slider ("sliderEleVertical").setValue (60.0, juce::sendNotificationSync);
    editor->timerCallback();
    EXPECT_EQ (slider ("sliderEle").getValue(), 60.0);

    slider ("sliderEle").setValue (-30.0, juce::sendNotificationSync);
    editor->timerCallback();
    EXPECT_EQ (slider ("sliderEleVertical").getValue(), -30.0);
}

TEST_F (EditorTest, theViewButtonSwitchesPadsAndIsRememberedByTheProcessor)
{
    auto* view = child<juce::ImageButton> (*editor, "imageButtonVue");
    EXPECT_TRUE (child (*editor, "PadDist")->isVisible());
    EXPECT_FALSE (child (*editor, "Pad")->isVisible());

    view->triggerClick();
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return processor.getIdxGUI() == 1; }));
    EXPECT_TRUE (child (*editor, "Pad")->isVisible());
    EXPECT_FALSE (child (*editor, "PadDist")->isVisible());
    EXPECT_FALSE (child (*editor, "sliderEleVertical")->isVisible());
    EXPECT_FALSE (processor.isGuiUpdatePending()) << "the view is no parameter";

    // Closing and reopening keeps the view.
    editor = std::make_unique<VevazovAzudAudioProcessorEditor> (processor);
    view = child<juce::ImageButton> (*editor, "imageButtonVue");
    EXPECT_TRUE (child (*editor, "Pad")->isVisible());
    EXPECT_TRUE (view->getToggleState());

    view->triggerClick();
    ASSERT_TRUE (pumpMessagesUntil ([&]
                                    { return processor.getIdxGUI() == 0; }));
    EXPECT_TRUE (child (*editor, "PadDist")->isVisible());
}

TEST_F (EditorTest, aRestoredStateWithTheOtherViewSwitchesItOnTheNextTick)
{
    HostedProcessor other;
    other.setIdxGUI (1);
    juce::MemoryBlock state;
    other.getStateInformation (state);

    processor.setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    EXPECT_FALSE (child (*editor, "Pad")->isVisible());
    editor->timerCallback();
    EXPECT_TRUE (child (*editor, "Pad")->isVisible());
    EXPECT_TRUE (child<juce::ImageButton> (*editor, "imageButtonVue")->getToggleState());
}

TEST_F (EditorTest, theCaptionUnderTheOutputMetersNamesTheConvention)
{
    const auto caption = [&]
    {
        return editor->createComponentSnapshot ({ 469, 385, 38, 7 });
    };

    const auto imageOf = [] (const char* data, int size)
    {
        auto image = juce::Image (juce::Image::ARGB, 38, 7, true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::black);
        g.drawImageAt (juce::ImageCache::getFromMemory (data, size), 0, 0);
        return image;
    };

    const auto wyzx = imageOf (BinaryData::WYZX_png, BinaryData::WYZX_pngSize);
    const auto wxyz = imageOf (BinaryData::WXYZ_png, BinaryData::WXYZ_pngSize);

    // Over the background, the caption's letters are where its image is opaque.
    const auto letters = [] (const juce::Image& image, const juce::Image& reference)
    {
        auto matching = 0;

        for (auto y = 0; y < 7; ++y)
            for (auto x = 0; x < 38; ++x)
                if ((image.getPixelAt (x, y).getBrightness() > 0.6f) == (reference.getPixelAt (x, y).getBrightness() > 0.6f))
                    ++matching;

        return matching;
    };

    auto shown = caption();
    EXPECT_GT (letters (shown, wyzx), letters (shown, wxyz)) << "a new instance is ambiX";

    processor.setOutputConfig (0);
    editor->timerCallback();
    shown = caption();
    EXPECT_GT (letters (shown, wxyz), letters (shown, wyzx));
}

TEST_F (EditorTest, gearAndWelcomeButtonsShowAndHideTheirPanelsAboveEverything)
{
    auto* options = editor->getChildComponent (16);
    auto* welcome = editor->getChildComponent (17);
    editor->setVisible (true);

    for (auto [button, panel] : { std::pair { "engrenage", options }, std::pair { "new button", welcome } })
    {
        child<juce::Button> (*editor, button)->triggerClick();
        ASSERT_TRUE (pumpMessagesUntil ([panel = panel]
                                        { return panel->isVisible(); }))
            << button;
        const auto* top = editor->getComponentAt (200, 200);
        EXPECT_TRUE (top == panel || panel->isParentOf (top)) << button << " opens its panel on top";

        child<juce::Button> (*editor, button)->triggerClick();
        ASSERT_TRUE (pumpMessagesUntil ([panel = panel]
                                        { return ! panel->isVisible(); }))
            << button;
    }
}

TEST (EditorLifetimes, severalEditorsOpenedAndClosedManyTimesEachKeepFollowingTheirOwnProcessor)
{
    std::array<HostedProcessor, 3> processors;

    for (auto& processor : processors)
        processor.prepare (8);

    for (auto round = 0; round < 40; ++round)
    {
        std::vector<std::unique_ptr<juce::AudioProcessorEditor>> editors;

        for (auto& processor : processors)
        {
            editors.emplace_back (processor.createEditorIfNeeded());
            ASSERT_NE (dynamic_cast<VevazovAzudAudioProcessorEditor*> (editors.back().get()), nullptr);
        }

        for (size_t i = 0; i < processors.size(); ++i)
        {
            // Each instance gets its own azimuth: -180 + 45 degrees times (round + i) mod 8.
            processors[i].setParameter (Processor::azimuthIndex, static_cast<float> ((round + static_cast<int> (i)) % 8) / 8.0f);
            dynamic_cast<VevazovAzudAudioProcessorEditor&> (*editors[i]).timerCallback();
        }

        for (size_t i = 0; i < processors.size(); ++i)
        {
            EXPECT_EQ (child<juce::Slider> (*editors[i], "sliderAzi")->getValue(), -180.0 + 45.0 * ((round + static_cast<int> (i)) % 8)) << "round " << round;

            // Closed as a host's wrapper closes it.
            processors[i].editorBeingDeleted (editors[i].get());
            editors[i].reset();
        }
    }

    for (auto& processor : processors)
        EXPECT_EQ (processor.getActiveEditor(), nullptr);
}
