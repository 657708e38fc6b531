#include "AltLookAndFeel_sliderEleVertical.h"

namespace
{
    constexpr float widestThumb = 20.0f;
    constexpr float tallestThumb = 10.0f;

    bool isHorizontal (juce::Slider::SliderStyle style) noexcept
    {
        return style == juce::Slider::LinearHorizontal
               || style == juce::Slider::LinearBar
               || style == juce::Slider::TwoValueHorizontal
               || style == juce::Slider::ThreeValueHorizontal;
    }
} // namespace

AltLookAndFeel_sliderEleVertical::~AltLookAndFeel_sliderEleVertical() = default;

juce::Point<float> AltLookAndFeel_sliderEleVertical::thumbSize (float sliderPos, float trackHeight) noexcept
{
    // The position is measured against half the track's height itself, not
    // against the track's centre, so the thumb is widest half a track below the top.
    const auto half = trackHeight * 0.5f;
    const auto t = half != 0.0f ? std::abs (sliderPos - half) / half : 0.0f;

    return { widestThumb - 0.5f * widestThumb * t, tallestThumb - 0.5f * tallestThumb * t };
}

void AltLookAndFeel_sliderEleVertical::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos, float, float, juce::Slider::SliderStyle style, juce::Slider& slider)
{
    g.fillAll (slider.findColour (juce::Slider::backgroundColourId));

    const auto centre = isHorizontal (style)
                            ? juce::Point<float> (sliderPos, static_cast<float> (y) + static_cast<float> (height) * 0.5f)
                            : juce::Point<float> (static_cast<float> (x) + static_cast<float> (width) * 0.5f, sliderPos);
    const auto size = thumbSize (sliderPos, static_cast<float> (height));

    juce::Path thumb;
    thumb.addEllipse (juce::Rectangle<float> (size.x, size.y).withCentre (centre));

    g.setColour (slider.findColour (juce::Slider::thumbColourId));
    g.fillPath (thumb);
}
