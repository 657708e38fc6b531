#include "EditorStandIn.h"

#include <BinaryData.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;

    constexpr int unwrappedView = 1;
    constexpr int firstOutputMeterX = 472;
    constexpr int outputMeterSpacing = 10;
    const juce::Rectangle<int> outputMeterBounds { firstOutputMeterX, 60, 3, 320 };
    const juce::Rectangle<int> inputMetersBounds { 441, 60, 29, 338 };
    const juce::Rectangle<int> padDistBounds { 4, 30, 375, 375 };
    const juce::Rectangle<int> padBounds { 29, 61, 385, 317 };

    juce::Image backgroundFor (int viewIndex)
    {
        return viewIndex == unwrappedView ? juce::ImageCache::getFromMemory (BinaryData::GUI_cote_jpg, BinaryData::GUI_cote_jpgSize)
                                          : juce::ImageCache::getFromMemory (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize);
    }
} // namespace

EditorStandIn::EditorStandIn (VevazovAzudAudioProcessor& processorToShow, int viewIndex)
    : processor (processorToShow),
      background (backgroundFor (viewIndex))
{
    for (size_t k = 0; k < outputMeters.size(); ++k)
    {
        outputMeters[k] = std::make_unique<VuMeter> (&processor, Processor::firstOutputMeter + static_cast<int> (k));
        addAndMakeVisible (*outputMeters[k]);
        outputMeters[k]->setBounds (outputMeterBounds.translated (outputMeterSpacing * static_cast<int> (k), 0));
    }

    padDist = std::make_unique<PadDist> (&processor);
    pad = std::make_unique<Pad> (&processor);
    inputMeters = std::make_unique<InputVuMeters> (&processor);

    addChildComponent (*padDist);
    addChildComponent (*pad);
    addAndMakeVisible (*inputMeters);
    padDist->setBounds (padDistBounds);
    pad->setBounds (padBounds);
    inputMeters->setBounds (inputMetersBounds);
    pad->setVisible (viewIndex == unwrappedView);
    padDist->setVisible (viewIndex != unwrappedView);

    setSize (editorWidth, editorHeight);
    refresh();
}

void EditorStandIn::refresh()
{
    inputMeters->setLayout (processor.getInputConfigID());

    const auto azimuth = processor.getParameter (Processor::azimuthIndex);
    const auto elevation = processor.getParameter (Processor::elevationIndex);
    const auto distance = processor.getParameter (Processor::distanceIndex);
    const auto width = processor.getParameter (Processor::widthIndex);

    pad->setSourceValues (azimuth, elevation, distance, width, processor.getWidgetColour());
    padDist->setSourceValues (azimuth, elevation, distance, width, processor.getWidgetColour());
}

juce::RectangleList<int> EditorStandIn::tickRegions (bool padChanged) const
{
    juce::RectangleList<int> regions;
    regions.add (inputMeters->getBounds());

    for (const auto& meter : outputMeters)
        regions.add (meter->getBounds());

    if (padChanged)
        regions.add (pad->isVisible() ? pad->getBounds() : padDist->getBounds());

    return regions;
}

void EditorStandIn::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.drawImage (background, 0, 0, editorWidth, editorHeight, 0, 0, background.getWidth(), background.getHeight());
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
