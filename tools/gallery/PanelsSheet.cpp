#include "PanelsSheet.h"

#include <editor/OptionGUI.h>
#include <editor/WelcomeGUI.h>
#include <plugin/LiveProcessWideServices.h>

#include <BinaryData.h>

namespace
{
    constexpr int editorWidth = 556;
    constexpr int editorHeight = 503;

    /** An instance on an 8.0 bed (one of the longest layout names) with its own
        colour and label.
    */
    constexpr int hostInputs = 8;
    constexpr int layoutId = 13;
    constexpr int distanceLaw = 2;
    constexpr juce::uint32 instanceColour = 0xfff28c0b;
    constexpr auto instanceLabel = "Strings (8.0 bed)";

    /** Sending to the customary port on this machine, receiving on another one. */
    constexpr int admOscObject = 3;
    constexpr int admOscReceivePort = 9001;

    juce::Image overEditorBackground (juce::Component& panel)
    {
        juce::Image image (juce::Image::RGB, editorWidth, editorHeight, true);
        juce::Graphics g (image);
        g.drawImageAt (juce::ImageCache::getFromMemory (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize), 0, 0);
        panel.paintEntireComponent (g, false);
        return image;
    }
} // namespace

juce::Image drawOptionsPanelOverEditor()
{
    VevazovAzudAudioProcessor processor (juce::PluginHostType::UnknownHost);
    processor.setPlayConfigDetails (hostInputs, InputLayouts::numOutputChannels, 48000.0, 512);
    processor.setInputConfig (layoutId);
    processor.setDistAttenuationFactor (distanceLaw);
    processor.setWidgetColour (juce::Colour (instanceColour));
    processor.setWidgetLabel (instanceLabel);

    OptionGUI panel (processor);
    panel.timerCallback();
    return overEditorBackground (panel);
}

juce::Image drawAdmOscPanelOverEditor()
{
    // The live services, so that the status lines say what the connection really does.
    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);

    VevazovAzudAudioProcessor processor (juce::PluginHostType::UnknownHost);
    processor.setPlayConfigDetails (hostInputs, InputLayouts::numOutputChannels, 48000.0, 512);
    processor.setInputConfig (layoutId);
    processor.setWidgetColour (juce::Colour (instanceColour));
    processor.setWidgetLabel (instanceLabel);

    auto settings = processor.getAdmOscSettings();
    settings.objectNumber = admOscObject;
    settings.sendEnabled = true;
    settings.receiveEnabled = true;
    settings.receivePort = admOscReceivePort;
    processor.setAdmOscSettings (settings);

    OptionGUI panel (processor);

    for (auto* child : panel.getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && child->getName() == "admOscButton")
            button->setToggleState (true, juce::sendNotificationSync);

    panel.timerCallback();
    auto image = overEditorBackground (panel);
    processor.setAdmOscSettings (AdmOscSettings());
    return image;
}

juce::Image drawWelcomePanelOverEditor()
{
    WelcomeGUI panel;
    return overEditorBackground (panel);
}
