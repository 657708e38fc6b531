#include "KnobFilmstrips.h"

#include "EmbeddedImages.h"

#include <BinaryData.h>

namespace KnobFilmstrips
{
    namespace
    {
        const juce::Rectangle<int> arcKnobDestination { 37, 8, 48, 48 };
        constexpr int gainKnobX = 45;
    } // namespace

    int frameFor (float sliderPos) noexcept
    {
        const auto frame = std::floor (sliderPos * static_cast<float> (lastFrame));

        if (! (frame > 0.0f))
            return 0;

        return frame >= static_cast<float> (lastFrame) ? lastFrame : static_cast<int> (frame);
    }

    int arcKnobFrameFor (float sliderPos) noexcept
    {
        const auto frame = frameFor (sliderPos);
        return frame == centreFrame && sliderPos > 0.5f ? centreFrame + 1 : frame;
    }

    void drawArcKnob (juce::Graphics& g, const void* stripData, int stripSize, float sliderPos)
    {
        const auto strip = EmbeddedImages::get (stripData, stripSize);
        const auto sourceTop = frameSize * arcKnobFrameFor (sliderPos) + arcKnobMargin;

        g.drawImage (strip,
                     arcKnobDestination.getX(),
                     arcKnobDestination.getY(),
                     arcKnobDestination.getWidth(),
                     arcKnobDestination.getHeight(),
                     arcKnobMargin,
                     sourceTop,
                     arcKnobCrop,
                     arcKnobCrop);
    }

    void drawGainKnob (juce::Graphics& g, int areaWidth, float sliderPos)
    {
        const auto strip = EmbeddedImages::get (BinaryData::bouton_G_70x70_png, BinaryData::bouton_G_70x70_pngSize);

        g.drawImage (strip, gainKnobX, 0, areaWidth, frameSize, 0, frameSize * frameFor (sliderPos), frameSize, frameSize);
    }
} // namespace KnobFilmstrips
