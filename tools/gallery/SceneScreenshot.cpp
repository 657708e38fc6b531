#include "SceneScreenshot.h"

#include "../../tests/support/MessageLoop.h"
#include "../../tests/support/WindowSupport.h"

#include <plugin/LiveProcessWideServices.h>
#include <processor/VevazovAzudAudioProcessor.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    struct Instance
    {
        const char* label;
        juce::uint32 colour;
        int layout;
        float azimuth, elevation, distance, width;
    };

    // clang-format off
    constexpr Instance instances[] {
        { "Lead vocal",        0xff0b72f2, 0,  0.50f, 0.55f, 0.50f, 0.3f },  // mono, in front
        { "Strings (5.1)",     0xfff28c0b, 4,  0.30f, 0.62f, 0.60f, 1.0f },
        { "Rain bed 7.1",      0xff2fbf71, 8,  0.78f, 0.40f, 0.90f, 0.8f },
        { "Whisper, inside 1 m", 0xffc050e0, 1, 0.12f, 0.30f, 0.15f, 0.5f }, // red dots
        { "",                  0xffe0e0e0, 2,  0.90f, 0.80f, 0.40f, 1.0f },  // no label
        { "Overhead drone with a very long name", 0xfff2d20b, 13, 0.62f, 0.85f, 0.75f, 1.0f },
    };
    // clang-format on

    constexpr int hovered = 2;

    juce::MouseEvent mouseAt (juce::Component& component, juce::Point<float> position)
    {
        const auto now = juce::Time::getCurrentTime();
        return { juce::Desktop::getInstance().getMainMouseSource(), position, {}, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component, now, position, now, 0, false };
    }
} // namespace

juce::Image takeSceneScreenshot()
{
    prepareDisplayForWindows();

    if (! hasDisplayForWindows())
        return {};

    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);
    getSceneSettings().transparentWindowIsVisible = true;

    std::vector<std::unique_ptr<Processor>> processors;

    for (const auto& instance : instances)
    {
        auto& processor = *processors.emplace_back (std::make_unique<Processor> (juce::PluginHostType::UnknownHost));
        processor.setInputConfig (instance.layout);
        processor.setParameter (Processor::azimuthIndex, instance.azimuth);
        processor.setParameter (Processor::elevationIndex, instance.elevation);
        processor.setParameter (Processor::distanceIndex, instance.distance);
        processor.setParameter (Processor::widthIndex, instance.width);
        processor.setWidgetColour (juce::Colour (instance.colour));
        processor.setWidgetLabel (instance.label);
        processor.setPlayConfigDetails (8, 4, 48000.0, 512);
        processor.prepareToPlay (48000.0, 512);
    }

    auto* window = services.getScene().getWindow();
    pumpMessages (300);

    auto& pad = services.getScene().getPadGUI()->getPad();
    const auto& record = instances[hovered];
    pad.mouseMove (mouseAt (pad, { record.azimuth * static_cast<float> (pad.getWidth()) + 4.0f, (1.0f - record.elevation) * static_cast<float> (pad.getHeight()) - 3.0f }));
    pumpMessages (200);

    return grabScreen (window->getBounds().expanded (12));
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
