#include "SceneWidgets.h"

#include <editor/SourceMarker.h>
#include <processor/VevazovAzudAudioProcessor.h>

JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")

namespace
{
    using Processor = VevazovAzudAudioProcessor;
} // namespace

SceneWidgets::~SceneWidgets() = default;

void SceneWidgets::registerInstance (VevazovAzudAudioProcessor& processor)
{
    SceneWidget record;
    record.azimuth = processor.getParameterValue (Processor::azimuthIndex);
    record.elevation = processor.getParameterValue (Processor::elevationIndex);
    record.distance = processor.getParameterValue (Processor::distanceIndex);
    record.width = processor.getParameterValue (Processor::widthIndex);
    record.x = record.azimuth;
    record.y = 1.0f - record.elevation;
    record.markerColour = juce::Colour (Processor::defaultWidgetColour);
    record.widgetColour = juce::Colour (Processor::defaultWidgetColour);
    record.processor = &processor;
    records.push_back (std::move (record));
}

bool SceneWidgets::unregisterInstance (VevazovAzudAudioProcessor& processor)
{
    const auto found = std::find_if (records.begin(), records.end(), [&] (const SceneWidget& record)
                                     { return record.processor == &processor; });

    if (found != records.end())
        records.erase (found);

    return records.empty();
}

bool SceneWidgets::refresh()
{
    auto changed = false;

    for (auto& record : records)
    {
        if (record.processor == nullptr)
            continue;

        record.isVisible = record.processor->getWidgetIsVisible();

        if (record.processor->takeSceneUpdate())
        {
            copyFromInstance (record);
            changed = true;
        }
    }

    return changed;
}

void SceneWidgets::copyFromInstance (SceneWidget& record)
{
    auto& processor = *record.processor;
    record.azimuth = processor.getParameterValue (Processor::azimuthIndex);
    record.elevation = processor.getParameterValue (Processor::elevationIndex);
    record.distance = processor.getParameterValue (Processor::distanceIndex);
    record.width = processor.getParameterValue (Processor::widthIndex);
    record.x = record.azimuth;
    record.y = 1.0f - record.elevation;
    record.widgetColour = processor.getWidgetColour();
    record.markerColour = SourceMarker::dotColour (record.distance, record.widgetColour);
    record.label = processor.getWidgetLabel();
}

VevazovAzudAudioProcessor* SceneWidgets::processorAt (int index) const noexcept
{
    return isValidIndex (index) ? records[static_cast<size_t> (index)].processor : nullptr;
}

void SceneWidgets::beginMove (int index)
{
    if (auto* processor = processorAt (index))
    {
        processor->beginParameterChangeGesture (Processor::azimuthIndex);
        processor->beginParameterChangeGesture (Processor::elevationIndex);
    }
}

void SceneWidgets::moveTo (int index, float x, float y)
{
    if (! isValidIndex (index))
        return;

    auto& record = records[static_cast<size_t> (index)];
    record.x = x;
    record.y = y;

    // The scene repaints when the instance's own flag comes back on the next refresh.
    if (auto* processor = record.processor)
    {
        processor->setParameterNotifyingHost (Processor::azimuthIndex, x);
        processor->setParameterNotifyingHost (Processor::elevationIndex, 1.0f - y);
    }
}

void SceneWidgets::endMove (int index)
{
    if (auto* processor = processorAt (index))
    {
        processor->endParameterChangeGesture (Processor::azimuthIndex);
        processor->endParameterChangeGesture (Processor::elevationIndex);
    }
}

JUCE_END_IGNORE_WARNINGS_GCC_LIKE
