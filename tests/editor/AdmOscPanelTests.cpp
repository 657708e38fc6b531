#include "ComponentProbes.h"

#include "../support/MessageLoop.h"
#include "../support/TestProcessors.h"

#include <editor/OptionGUI.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    /** Services that only record the settings they are told of and describe them. */
    struct RecordingServices : ProcessWideServices
    {
        std::unique_ptr<SharedReference> acquireLookAndFeel() override { return {}; }
        void registerInstance (VevazovAzudAudioProcessor&) override {}
        void unregisterInstance (VevazovAzudAudioProcessor&) override {}
        void ensureSceneWindow() override {}
        bool toggleSceneWindowVisibility() override { return false; }
        void admOscSettingsChanged (VevazovAzudAudioProcessor&) override { ++changes; }

        juce::String describeAdmOsc (VevazovAzudAudioProcessor& processor) override
        {
            const auto& s = processor.getAdmOscSettings();
            return s.receiveEnabled ? "port " + juce::String (s.receivePort) + " in use" : "ADM-OSC is off";
        }

        int changes = 0;
    };

    template <typename ComponentType>
    ComponentType& child (juce::Component& parent, const juce::String& name)
    {
        for (auto* component : parent.getChildren())
            if (auto* typed = dynamic_cast<ComponentType*> (component); typed != nullptr && component->getName() == name)
                return *typed;

        throw std::runtime_error ("no child " + name.toStdString());
    }

    /** Text typed into a field and Return pressed, which the field reports asynchronously. */
    void type (juce::TextEditor& field, const juce::String& text)
    {
        field.setText (text, false);
        field.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        pumpMessages (10);
    }

    struct AdmOscPanelTest : testing::Test
    {
        RecordingServices services;
        const ScopedProcessWideServices installed { services };
        HostedProcessor processor;
        OptionGUI options { processor };
        juce::Button& opener = child<juce::Button> (options, "admOscButton");
        AdmOscPanel& panel = child<AdmOscPanel> (options, "admOscPanel");
    };
} // namespace

TEST_F (AdmOscPanelTest, opensFromTheOptionsFreeAreaWithoutCoveringAnySpecifiedControl)
{
    options.setVisible (true);
    EXPECT_FALSE (panel.isVisible());
    EXPECT_EQ (options.getComponentAt (opener.getBounds().getCentre()), &opener);

    opener.setToggleState (true, juce::sendNotificationSync);
    ASSERT_TRUE (panel.isVisible()) << "the second click: the gear opens the options, this opens ADM-OSC";
    EXPECT_EQ (child<juce::Label> (panel, "admOscStatus").getText(), "ADM-OSC is off");

    const auto ours = opener.getBounds().getUnion (panel.getBounds());

    for (auto* component : options.getChildren())
    {
        const auto isOursOrTheCloseArea = component == &opener || component == &panel || component->getName() == "closeButton";
        EXPECT_TRUE (isOursOrTheCloseArea || ! component->getBounds().intersects (ours)) << component->getName();
    }

    opener.setToggleState (false, juce::sendNotificationSync);
    EXPECT_FALSE (panel.isVisible());
    EXPECT_TRUE (options.isVisible());
}

TEST_F (AdmOscPanelTest, switchesNumberAndFieldsWriteTheSettingsAndTheStatusFollows)
{
    opener.setToggleState (true, juce::sendNotificationSync);

    child<juce::ToggleButton> (panel, "admOscReceive").setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (processor.getAdmOscSettings().receiveEnabled);
    EXPECT_EQ (child<juce::Label> (panel, "admOscStatus").getText(), "port 4001 in use");

    child<juce::ToggleButton> (panel, "admOscSend").setToggleState (true, juce::sendNotificationSync);
    type (child<juce::TextEditor> (panel, "admOscObject"), "12");
    type (child<juce::TextEditor> (panel, "admOscSendHost"), "10.0.0.5");
    type (child<juce::TextEditor> (panel, "admOscSendPort"), "9000");
    type (child<juce::TextEditor> (panel, "admOscReceivePort"), "9001");

    const auto& settings = processor.getAdmOscSettings();
    EXPECT_TRUE (settings.sendEnabled);
    EXPECT_EQ (settings.objectNumber, 12);
    EXPECT_EQ (settings.sendHost, "10.0.0.5");
    EXPECT_EQ (settings.sendPort, 9000);
    EXPECT_EQ (settings.receivePort, 9001);
    EXPECT_EQ (child<juce::Label> (panel, "admOscStatus").getText(), "port 9001 in use");
    EXPECT_EQ (services.changes, 6) << "one for each change";
}

TEST_F (AdmOscPanelTest, anUnusablePortGoesBackToTheSettingAndChangesNothing)
{
    auto& port = child<juce::TextEditor> (panel, "admOscReceivePort");
    auto& object = child<juce::TextEditor> (panel, "admOscObject");

    for (const auto* text : { "0", "65536", "", "99999" })
    {
        type (port, text);
        EXPECT_EQ (port.getText(), "4001") << text;
        type (object, text);
        EXPECT_EQ (object.getText(), "1") << text;
    }

    EXPECT_EQ (services.changes, 0);
    EXPECT_TRUE (processor.getAdmOscSettings().isDefault());
}

TEST_F (AdmOscPanelTest, showsSettingsChangedElsewhereOnTheNextTick)
{
    opener.setToggleState (true, juce::sendNotificationSync);
    auto settings = processor.getAdmOscSettings();
    settings.objectNumber = 5;
    settings.sendHost = "192.168.1.20";
    processor.setAdmOscSettings (settings);

    options.timerCallback();
    EXPECT_EQ (child<juce::TextEditor> (panel, "admOscObject").getText(), "5");
    EXPECT_EQ (child<juce::TextEditor> (panel, "admOscSendHost").getText(), "192.168.1.20");
}

TEST_F (AdmOscPanelTest, theSendAsChoiceIsWithinReachOfTheMouseAndPicksTheForm)
{
    options.setVisible (true);
    opener.setToggleState (true, juce::sendNotificationSync);
    auto& choice = child<juce::ComboBox> (panel, "admOscSendAs");
    auto* hit = options.getComponentAt (options.getLocalPoint (&choice, choice.getLocalBounds().getCentre()));
    EXPECT_TRUE (hit == &choice || choice.isParentOf (hit)) << "the mouse reaches it";
    EXPECT_EQ (choice.getText(), "aed (polar)");

    choice.keyPressed (juce::KeyPress (juce::KeyPress::downKey));
    pumpMessages (10);
    EXPECT_EQ (processor.getAdmOscSettings().sendAs, AdmOscSettings::SendAs::cartesian);
    EXPECT_EQ (services.changes, 1);

    // "xyz (Cartesian)" is drawn in the panel's light text over its dark ground.
    const auto image = render (panel);
    auto lightPixels = 0;

    for (auto y = choice.getY(); y < choice.getBottom(); ++y)
        for (auto x = choice.getX(); x < choice.getRight() - choice.getHeight(); ++x)
            lightPixels += image.getPixelAt (x, y).getBrightness() > 0.8f ? 1 : 0;

    EXPECT_GT (lightPixels, 60);
}
