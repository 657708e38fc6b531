#include "PadMulti.h"

#include <editor/SourceMarker.h>
#include <processor/ProcessWide.h>
#include <processor/VevazovAzudAudioProcessor.h>

namespace
{
    const juce::Colour gridColour { 0x7f0b72f2 }; // the interface blue at 0.5

    // One vertical line every 45 degrees of azimuth, edges included; one
    // horizontal line every 36 degrees of a 180-degree elevation range, offset by 18.
    constexpr int numAzimuthDivisions = 8;
    constexpr int numElevationLines = 5;
    constexpr float elevationLineStep = 36.0f / 180.0f;
    constexpr float elevationLineOffset = 18.0f / 180.0f;

    constexpr float hoverRadius = 15.0f;
    constexpr float pickDistanceSquared = 400.0f; // within 20 pixels
    constexpr float farAway = 1000000.0f;

    constexpr size_t maxLabelLayouts = 1024;
    constexpr int labelOffsetX = 81;
    constexpr int labelOffsetY = 17;
    constexpr int labelWidth = 162;
    constexpr int labelHeight = 12;

    /** A scene position from a mouse position: azimuth wraps, elevation stops at the edges. */
    juce::Point<float> scenePosition (juce::Point<int> mouse, float width, float height)
    {
        auto x = static_cast<float> (mouse.x) / width;

        while (x < 0.0f)
            x += 1.0f;

        while (x > 1.0f)
            x -= 1.0f;

        return { x, juce::jlimit (0.0f, 1.0f, static_cast<float> (mouse.y) / height) };
    }
} // namespace

PadMulti::PadMulti (SceneWidgets& sceneWidgets)
    : widgets (sceneWidgets)
{
}

PadMulti::~PadMulti() = default;

//==============================================================================
int PadMulti::hoveredRecord() const noexcept
{
    return widgets.isValidIndex (hoverIndex) ? hoverIndex : -1;
}

void PadMulti::mouseMove (const juce::MouseEvent& event)
{
    const auto previous = hoverIndex;
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    const auto mouse = event.getPosition().toFloat();
    auto best = farAway;
    auto candidate = -1;

    for (auto index = 0; index < widgets.size(); ++index)
    {
        const auto& record = widgets[index];

        if (! record.isVisible)
            continue;

        const auto dx = width * record.x - mouse.x;
        const auto dy = height * record.y - mouse.y;

        // On equal distances the later record wins.
        if (const auto distance = dx * dx + dy * dy; distance <= best)
        {
            best = distance;
            candidate = index;
        }
    }

    hoverIndex = best < pickDistanceSquared ? candidate : -1;

    if (hoverIndex != previous)
        repaint();
}

void PadMulti::mouseExit (const juce::MouseEvent&)
{
    hoverIndex = -1;
    repaint();
}

void PadMulti::mouseDown (const juce::MouseEvent&)
{
    if (const auto index = hoveredRecord(); index >= 0)
        widgets.beginMove (index);
}

void PadMulti::mouseDrag (const juce::MouseEvent& event)
{
    // No picking during a drag: the dragged marker stays selected even past a nearer one.
    if (const auto index = hoveredRecord(); index >= 0)
    {
        const auto position = scenePosition (event.getPosition(), static_cast<float> (getWidth()), static_cast<float> (getHeight()));
        widgets.moveTo (index, position.x, position.y);
    }
}

void PadMulti::mouseUp (const juce::MouseEvent&)
{
    if (const auto index = hoveredRecord(); index >= 0)
        widgets.endMove (index);
}

void PadMulti::mouseDoubleClick (const juce::MouseEvent&)
{
    auto& showAll = getSceneSettings().transparentWindowShowAllWidgetLabels;
    showAll = ! showAll;
    repaint();
}

//==============================================================================
void PadMulti::paint (juce::Graphics& g)
{
    paintGrid (g);

    for (auto index = 0; index < widgets.size(); ++index)
        if (widgets[index].isVisible)
            paintMarker (g, index);
}

void PadMulti::resized()
{
}

void PadMulti::paintLabel (juce::Graphics& g, const juce::String& label, juce::Point<int> topLeft)
{
    // Centred in its box in the default font, with an ellipsis when it does not fit.
    if (const juce::Font font; font != labelFont || labelLayouts.size() >= maxLabelLayouts)
    {
        labelFont = font;
        labelLayouts.clear();
    }

    auto [entry, isNew] = labelLayouts.try_emplace (label);

    if (isNew)
    {
        entry->second.addCurtailedLineOfText (labelFont, label, 0.0f, 0.0f, static_cast<float> (labelWidth), true);
        entry->second.justifyGlyphs (0, entry->second.getNumGlyphs(), 0.0f, 0.0f, static_cast<float> (labelWidth), static_cast<float> (labelHeight), juce::Justification::centred);
    }

    g.setFont (labelFont);
    entry->second.draw (g, juce::AffineTransform::translation (topLeft.toFloat()));
}

void PadMulti::paintGrid (juce::Graphics& g) const
{
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    g.setColour (gridColour);

    for (auto i = 0; i <= numAzimuthDivisions; ++i)
    {
        const auto x = static_cast<float> (i) * (width / static_cast<float> (numAzimuthDivisions));
        g.drawLine (x, 0.0f, x, height, 1.0f);
    }

    for (auto j = 0; j < numElevationLines; ++j)
    {
        const auto y = static_cast<float> (j) * (height * elevationLineStep) + height * elevationLineOffset;
        g.drawLine (0.0f, y, width, y, 1.0f);
    }
}

void PadMulti::paintMarker (juce::Graphics& g, int index)
{
    const auto& record = widgets[index];
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    const auto px = record.x * width;
    const auto py = record.y * height;
    const auto hovered = index == hoverIndex;
    const auto area = getLocalBounds().toFloat();

    SourceMarker::drawCrosshair (g, { px, py }, record.widgetColour, area);
    g.setColour (record.widgetColour);

    if (hovered)
        g.drawEllipse (px - hoverRadius, py - hoverRadius, 2.0f * hoverRadius, 2.0f * hoverRadius, 1.0f);

    if ((getSceneSettings().transparentWindowShowAllWidgetLabels || hovered) && record.label.isNotEmpty())
        paintLabel (g, record.label, { static_cast<int> (px - labelOffsetX), static_cast<int> (py + labelOffsetY) });

    if (record.processor == nullptr)
        return;

    const auto diameter = SourceMarker::dotDiameter (record.distance);
    const auto spread = SourceMarker::spreadFactor (record.y);

    const auto channels = SourceMarker::ChannelLayout::of (*record.processor);

    for (auto k = 0; k < channels.numChannels; ++k)
    {
        const auto cx = SourceMarker::channelDotX (channels.offsets[static_cast<size_t> (k)], width, record.width, spread, px);
        dotSprites.draw (g, { cx, py }, diameter, record.markerColour);
    }
}
