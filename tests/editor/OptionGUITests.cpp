#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"
#include "ComponentProbes.h"

#include <editor/OptionGUI.h>
#include <plugin/LiveProcessWideServices.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
    using Processor = VevazovAzudAudioProcessor;
    using Strings = std::vector<std::string>;

    template <typename ComponentType>
    ComponentType& child (juce::Component& parent, const juce::String& name)
    {
        for (auto* component : parent.getChildren())
            if (auto* typed = dynamic_cast<ComponentType*> (component); typed != nullptr && component->getName() == name)
                return *typed;

        throw std::runtime_error ("no child " + name.toStdString());
    }

    /** Also keeps every value the host heard, in order. */
    struct ValueRecorder : HostRecorder
    {
        using HostRecorder::HostRecorder;

        void audioProcessorParameterChanged (juce::AudioProcessor* p, int index, float value) override
        {
            HostRecorder::audioProcessorParameterChanged (p, index, value);
            sent.push_back (value);
        }

        std::vector<float> sent;
    };

    bool labelBecomes (Processor& processor, const juce::String& label)
    {
        return pumpMessagesUntil ([&]
                                  { return processor.getWidgetLabel() == label; },
                                  2000);
    }

    /** A click as the framework delivers it from a button press. */
    void click (juce::Button& button, const std::function<bool()>& until)
    {
        button.triggerClick();
        EXPECT_TRUE (pumpMessagesUntil (until, 2000)) << button.getName();
    }

    struct OptionGUITest : testing::Test
    {
        void tick() { panel.timerCallback(); }

        HostedProcessor processor;
        OptionGUI panel { processor };
        juce::ComboBox& inputCombo = child<juce::ComboBox> (panel, "comboBox_idxInputConfig");
        juce::ComboBox& outputCombo = child<juce::ComboBox> (panel, "comboBox_idxOutputConfig");
        juce::ComboBox& distanceCombo = child<juce::ComboBox> (panel, "comboBox_idxDistAttenuationFactor");
        juce::TextEditor& labelEditor = child<juce::TextEditor> (panel, "textEditor_WidgetLabel");
        juce::ColourSelector& selector = child<juce::ColourSelector> (panel, "colourSelector");
        juce::Button& closeButton = child<juce::Button> (panel, "closeButton");
    };
} // namespace

TEST_F (OptionGUITest, enablesTheInputItemsThatTheHostsChannelCountFeeds)
{
    const std::pair<int, int> cases[] { { 1, 1 }, { 2, 2 }, { 4, 4 }, { 6, 8 }, { 8, 16 }, { 3, 0 }, { 5, 0 }, { 7, 0 }, { 10, 0 } };

    for (const auto& [numInputs, numEnabled] : cases)
    {
        processor.setHostChannels (numInputs, 4);
        tick();
        ASSERT_EQ (inputCombo.getNumItems(), 16) << "disabled items stay listed";

        for (auto id = 1; id <= 16; ++id)
            EXPECT_EQ (inputCombo.isItemEnabled (id), id <= numEnabled) << numInputs << " inputs, item " << id;
    }
}

TEST_F (OptionGUITest, listsTheLayoutsInChannelGroupsWithThe8_0PairExchanged)
{
    EXPECT_EQ (inputCombo.getText(), "Mono") << "while no layout is chosen";
    Strings shown;

    for (juce::PopupMenu::MenuItemIterator it (*inputCombo.getRootMenu()); it.next();)
        shown.push_back (it.getItem().isSeparator ? "--" : it.getItem().text.toStdString());

    EXPECT_EQ (shown, (Strings { "Mono", "--", "Stereo", "--", "4.0 - L R Ls Rs", "4.0 - L R Rs Ls", "--", "5.1 - L R C Lfe Ls Rs", "5.1 - L C R Ls Rs Lfe", "5.1 - C L R Ls Rs Lfe", "5.1 - L R Ls Rs C Lfe", "--", "7.1 - L R C Lfe Ls Rs Sl Sr", "7.1 - L C R Sl Sr Ls Rs Lfe", "7.1 - C L R Sl Sr Ls Rs Lfe", "7.1 - L R Ls Rs C Lfe Sl Sr", "--", "8.0 - L R C Ls Rs Cs Sl Sr", "8.0 - L C R Sr Rs Cs Ls Sl", "8.0 - L R Ls Rs C Cs Sl Sr", "8.0 - L R C Cs Ls Rs Sl Sr" }));

    const int layoutOfItem[] { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 12, 14, 15 };

    for (auto index = 0; index < 16; ++index)
    {
        const auto other = (index + 8) % 16;
        processor.setInputConfig (layoutOfItem[other]);
        tick();
        EXPECT_EQ (inputCombo.getSelectedItemIndex(), other) << "layout " << layoutOfItem[other];

        inputCombo.setSelectedItemIndex (index, juce::sendNotificationSync);
        EXPECT_EQ (processor.getInputConfigID(), layoutOfItem[index]) << "item " << index + 1;
    }

    processor.setInputConfig (12);
    tick();
    EXPECT_EQ (inputCombo.getText(), "8.0 - L C R Sr Rs Cs Ls Sl");

    processor.setInputConfig (20);
    tick();
    EXPECT_EQ (inputCombo.getText(), "Mono") << "an unknown layout";
    EXPECT_EQ (processor.getInputConfigID(), 20) << "showing it does not write it back";
}

TEST_F (OptionGUITest, outputAndDistanceCombosFollowTheProcessorAndWriteTheUsersChoice)
{
    processor.setOutputConfig (0);
    processor.setDistAttenuationFactor (4);
    tick();
    EXPECT_EQ (outputCombo.getText(), "FuMa");
    EXPECT_EQ (distanceCombo.getText(), "4");

    outputCombo.setSelectedItemIndex (1, juce::sendNotificationSync);
    distanceCombo.setSelectedItemIndex (2, juce::sendNotificationSync);
    EXPECT_EQ (processor.getIdxOutputConfig(), 1);
    EXPECT_EQ (processor.getIdxDistAttenuationFactor(), 2);

    processor.setOutputConfig (7);
    tick();
    EXPECT_EQ (outputCombo.getText(), "") << "an index without an item shows nothing";
}

TEST_F (OptionGUITest, eyeSendsTwoValuesOnItsSideOfTheThresholdInsideOneGesture)
{
    ValueRecorder host { processor };
    auto& eye = child<juce::ImageButton> (panel, "new button");

    click (eye, [&]
           { return host.calls.size() == 4; });
    EXPECT_EQ (host.calls, (Strings { "begin 5", "set 5", "set 5", "end 5" }));
    EXPECT_EQ (host.sent, (std::vector<float> { 0.1f, 0.0f }));
    EXPECT_FALSE (processor.getWidgetIsVisible());

    click (eye, [&]
           { return host.calls.size() == 8; });
    EXPECT_EQ (host.sent, (std::vector<float> { 0.1f, 0.0f, 0.9f, 1.0f }));
    EXPECT_TRUE (processor.getWidgetIsVisible());

    processor.setParameter (Processor::showOnSceneIndex, 0.2f);
    tick();
    EXPECT_FALSE (eye.getToggleState()) << "the eye follows the host";
}

TEST_F (OptionGUITest, aColourPickedInTheSelectorReachesTheProcessorOnTheNextTick)
{
    tick(); // the first tick reloads the selector from the processor
    processor.takeSceneUpdate();
    auto* colourSpace = selector.getComponentAt (selector.getWidth() / 3, selector.getHeight() / 2);
    ASSERT_NE (colourSpace, nullptr);
    colourSpace->mouseDown (mouseEventAt (*colourSpace, colourSpace->getWidth() / 3, colourSpace->getHeight() / 4));

    const auto picked = selector.getCurrentColour();
    ASSERT_NE (picked, juce::Colour (Processor::defaultWidgetColour));
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return processor.getWidgetColour() == picked; },
                                    2000))
        << "the panel's own timer";
    EXPECT_TRUE (processor.isSceneUpdatePending());
}

TEST_F (OptionGUITest, theSelectorsColourWinsAndIsAlwaysOpaque)
{
    processor.setWidgetColour (juce::Colour (0x80123456));
    OptionGUI restored { processor };
    restored.timerCallback();
    EXPECT_EQ (processor.getWidgetColour(), juce::Colour (0xFF123456));

    processor.setWidgetColour (juce::Colour (0xFF00FF00));
    restored.timerCallback();
    EXPECT_EQ (processor.getWidgetColour(), juce::Colour (0xFF123456));
}

TEST_F (OptionGUITest, everyKeystrokeInTheLabelEditorReachesTheProcessor)
{
    processor.setWidgetLabel ("Vox");
    OptionGUI reopened { processor };
    EXPECT_EQ (child<juce::TextEditor> (reopened, "textEditor_WidgetLabel").getText(), "Vox");

    juce::String typed;

    for (auto character : { 'D', 'r', 'u', 'm' })
    {
        labelEditor.keyPressed (juce::KeyPress (character, {}, static_cast<juce::juce_wchar> (character)));
        EXPECT_TRUE (labelBecomes (processor, typed += juce::String::charToString (character))) << typed;
    }

    labelEditor.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
    EXPECT_TRUE (labelBecomes (processor, "Dru"));
}

TEST_F (OptionGUITest, clicksOnLabelsFrameAndShadeReachTheCloseButtonAndHideThePanel)
{
    panel.setVisible (true);

    for (const auto* name : { "label_InputConfig", "label_OutputConfig", "label_Rolloff", "label_WidgetLabel" })
        EXPECT_EQ (panel.getComponentAt (child<juce::Label> (panel, name).getBounds().getCentre()), &closeButton) << name;

    EXPECT_EQ (panel.getComponentAt (266, 300), &closeButton) << "the group's frame";

    auto& eye = child<juce::Component> (panel, "new button");
    const std::pair<juce::Component*, juce::Point<int>> controls[] {
        { &inputCombo, inputCombo.getBounds().getCentre() },
        { &outputCombo, outputCombo.getBounds().getCentre() },
        { &distanceCombo, distanceCombo.getBounds().getCentre() },
        { &child<juce::Component> (panel, "sceneButton"), { 300, 169 } },
        { &eye, eye.getPosition() }, // the eye's transparent corner takes clicks too
        { &selector, selector.getBounds().getCentre() },
        { &labelEditor, labelEditor.getBounds().getCentre() },
    };

    for (const auto& [control, point] : controls)
    {
        auto* hit = panel.getComponentAt (point);
        EXPECT_TRUE (hit == control || control->isParentOf (hit)) << control->getName();
    }

    click (closeButton, [&]
           { return ! panel.isVisible(); });
}

TEST_F (OptionGUITest, sceneButtonTogglesTheSceneWindowOnlyOnceItExists)
{
    if (! hasDisplayForWindows())
        GTEST_SKIP() << "needs an X display";

    getSceneSettings() = SceneSettings();
    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);
    HostedProcessor instance;
    OptionGUI options { instance };
    auto& sceneButton = child<juce::Button> (options, "sceneButton");

    sceneButton.triggerClick();
    pumpMessages (50);
    EXPECT_EQ (services.getScene().getWindow(), nullptr);
    EXPECT_FALSE (getSceneSettings().transparentWindowIsVisible) << "nothing to show before playback is prepared";

    instance.prepare (2);
    ASSERT_NE (services.getScene().getWindow(), nullptr);
    click (sceneButton, [&]
           { return services.getScene().getWindow()->isVisible(); });
    EXPECT_TRUE (getSceneSettings().transparentWindowIsVisible);
    click (sceneButton, [&]
           { return ! services.getScene().getWindow()->isVisible(); });
    EXPECT_FALSE (getSceneSettings().transparentWindowIsVisible);
}

TEST_F (OptionGUITest, paintsADarkeningShadeBelowAnUntouchedHeaderStrip)
{
    const auto image = render (panel);
    const auto alphaAt = [&] (int x, int y)
    { return image.getPixelAt (x, y).getAlpha(); };

    for (auto x : { 5, 200, 550 })
    {
        EXPECT_EQ (alphaAt (x, 29), 0) << x;
        EXPECT_GT (alphaAt (x, 30), 0) << x;
    }

    // Black, opaque at (570, 38) and fading to 0x4B at (148, 60), held beyond both ends.
    const juce::Point<float> dark { 570.0f, 38.0f }, light { 148.0f, 60.0f };
    const auto along = light - dark;

    for (const auto point : { juce::Point<int> (10, 250), juce::Point<int> (200, 250), juce::Point<int> (555, 31) })
    {
        const auto fraction = juce::jlimit (0.0f, 1.0f, (point.toFloat() - dark).getDotProduct (along) / along.getDotProduct (along));
        EXPECT_NEAR (alphaAt (point.x, point.y), 255.0f - fraction * (255.0f - 0x4B), 1.5f) << point.toString();
        EXPECT_EQ (image.getPixelAt (point.x, point.y).getBrightness(), 0.0f);
    }
}

TEST_F (OptionGUITest, ticksRepaintNothingUntilSomethingShownChanges)
{
    tick();
    auto& repaints = RepaintCounter::attachTo (panel);

    for (auto i = 0; i < 3; ++i)
        tick();

    EXPECT_EQ (repaints.count, 0);
    processor.setOutputConfig (0);
    tick();
    EXPECT_GT (repaints.count, 0);
}
