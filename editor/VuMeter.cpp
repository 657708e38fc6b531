#include "VuMeter.h"

#include "EmbeddedImages.h"

#include <BinaryData.h>

namespace
{
    /** The size a meter has until its owner places it. */
    constexpr int initialWidth = 4;
    constexpr int initialHeight = 35;

    /** A full level draws a hair short of the top, as it always has. */
    constexpr float almostFull = 0.999f;

    /** The level the bar shows: a full level as almostFull; anything outside
        0..1 (or not a number) as the nearest end, so the bar always starts and
        ends inside the meter.
    */
    float shownLevel (float level) noexcept
    {
        if (! (level > 0.0f))
            return 0.0f;

        return level >= 1.0f ? almostFull : level;
    }

    /** The part of a column of the given height that a level reveals from the
        bottom: its top row and its height, each truncated to whole pixels.
    */
    juce::Range<int> revealedRows (int columnHeight, float level) noexcept
    {
        const auto height = static_cast<float> (columnHeight);
        return juce::Range<int>::withStartAndLength (static_cast<int> (height * (1.0f - level)),
                                                     static_cast<int> (height * level));
    }
} // namespace

VuMeter::VuMeter (VevazovAzudAudioProcessor* processorToUse, int levelIndexToShow)
    : processor (processorToUse),
      levelImage (EmbeddedImages::get (BinaryData::vuMeterVertical_png, BinaryData::vuMeterVertical_pngSize)),
      levelIndex (levelIndexToShow)
{
    setSize (initialWidth, initialHeight);
    setName ("vuMeter");
}

void VuMeter::paint (juce::Graphics& g)
{
    const auto level = shownLevel (processor->getLevelMeter (levelIndex));
    const auto destination = revealedRows (getHeight(), level);
    const auto source = revealedRows (levelImage.getHeight(), level);

    g.setColour (juce::Colours::black);
    g.drawImage (levelImage,
                 0,
                 destination.getStart(),
                 getWidth(),
                 destination.getLength(),
                 0,
                 source.getStart(),
                 levelImage.getWidth(),
                 source.getLength());
}

void VuMeter::resized() {}
