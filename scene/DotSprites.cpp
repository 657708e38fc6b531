#include "DotSprites.h"

namespace
{
    constexpr float quarters = 4.0f;
    constexpr size_t maxSprites = 2048;

    int toQuarters (float value)
    {
        return static_cast<int> (std::floor (value * quarters + 0.5f));
    }
} // namespace

void DotSprites::draw (juce::Graphics& g, juce::Point<float> centre, float diameter, juce::Colour colour)
{
    if (! (diameter > 0.0f) || ! std::isfinite (centre.x) || ! std::isfinite (centre.y))
        return;

    // The sprite's top-left corner lands on a whole pixel; the rest of the position is drawn into it.
    const auto left = centre.x - diameter / 2.0f;
    const auto top = centre.y - diameter / 2.0f;
    const auto x = std::floor (left);
    const auto y = std::floor (top);
    const auto& sprite = spriteFor (toQuarters (diameter), colour, toQuarters (left - x), toQuarters (top - y));

    g.drawImageAt (sprite, static_cast<int> (x), static_cast<int> (y));
}

const juce::Image& DotSprites::spriteFor (int quarterDiameter, juce::Colour colour, int phaseX, int phaseY)
{
    const Key key { quarterDiameter, colour.getARGB(), phaseX, phaseY };

    if (const auto found = sprites.find (key); found != sprites.end())
        return found->second;

    if (sprites.size() >= maxSprites)
        sprites.clear();

    const auto diameter = static_cast<float> (quarterDiameter) / quarters;
    const auto size = static_cast<int> (std::ceil (diameter)) + 2;
    juce::Image sprite (juce::Image::ARGB, size, size, true);
    juce::Graphics g (sprite);
    g.setColour (colour);
    g.fillEllipse (static_cast<float> (phaseX) / quarters, static_cast<float> (phaseY) / quarters, diameter, diameter);

    return sprites.emplace (key, sprite).first->second;
}
