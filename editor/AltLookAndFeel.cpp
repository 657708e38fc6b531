#include "AltLookAndFeel.h"

#include <BinaryData.h>
#include <juce_gui_extra/juce_gui_extra.h>

namespace
{
    struct DefaultColour
    {
        int colourId;
        juce::uint32 argb;
    };

    // clang-format off
    constexpr DefaultColour defaultColours[] {
        { juce::ComboBox::backgroundColourId,                 0xff000000 },
        { juce::ComboBox::buttonColourId,                     0xff000000 },
        { juce::ComboBox::outlineColourId,                    0xfff5f5f5 },
        { juce::ComboBox::arrowColourId,                      0xffffffff },
        { juce::ComboBox::textColourId,                       0xffffffff },
        { juce::PopupMenu::highlightedBackgroundColourId,     0xbf5ec5da },  // cyan at 0.75
        { juce::TextEditor::focusedOutlineColourId,           0xbf5ec5da },
        { juce::TextButton::buttonColourId,                   0xffffffff },
        { juce::TextButton::buttonOnColourId,                 0xffffffff },
        { juce::TextButton::textColourOnId,                   0xffffffff },
        { juce::TextButton::textColourOffId,                  0xffffffff },
        { juce::ColourSelector::backgroundColourId,           0x00ffffff },
    };
    // clang-format on

    constexpr float controlFontHeight = 14.0f;
    constexpr float buttonCornerSize = 4.0f;
    constexpr juce::uint32 toggledOutlineColour = 0xe6ff0000; // red at 0.9
    constexpr float comboArrowAlpha = 0.7f;

    const juce::Rectangle<int> knobArea { 25, 0, 48, 48 };
    const juce::Rectangle<int> knobTextBox { -2, 32, 37, 15 };

    juce::Colour buttonBaseColour (juce::Button& button, juce::Colour background, bool isMouseOver, bool isDown)
    {
        auto base = background.withMultipliedSaturation (button.hasKeyboardFocus (true) ? 1.3f : 0.9f)
                        .withMultipliedAlpha (button.isEnabled() ? 0.9f : 0.5f);

        if (isDown)
            return base.contrasting (0.2f);

        if (isMouseOver)
            return base.contrasting (0.1f);

        return base;
    }

    /** The button's outline, rounded at every corner whose two edges are free. */
    juce::Path buttonOutline (const juce::Button& button, float width, float height)
    {
        const auto left = button.isConnectedOnLeft();
        const auto right = button.isConnectedOnRight();
        const auto top = button.isConnectedOnTop();
        const auto bottom = button.isConnectedOnBottom();

        juce::Path outline;
        outline.addRoundedRectangle (0.5f, 0.5f, width, height, buttonCornerSize, buttonCornerSize, ! (left || top), ! (right || top), ! (left || bottom), ! (right || bottom));
        return outline;
    }

    void drawButtonFace (juce::Graphics& g, const juce::Path& outline, juce::Colour base, float height)
    {
        g.setGradientFill (juce::ColourGradient::vertical (base.brighter (0.2f), 0.0f, base.darker (0.25f), height));
        g.fillPath (outline);

        // A lighter rim just inside the top edge, stronger on brighter faces.
        const auto brightness = base.getBrightness();
        const auto rimAlpha = AltLookAndFeel::alphaFromFraction (0.4f * base.getFloatAlpha() * brightness * brightness);
        g.setColour (juce::Colours::white.withAlpha (rimAlpha));
        g.strokePath (outline, juce::PathStrokeType (1.0f), juce::AffineTransform::translation (0.0f, 1.0f).scaled (1.0f, (height - 1.6f) / height));

        g.setColour (juce::Colours::white);
        g.strokePath (outline, juce::PathStrokeType (1.0f));
    }

    juce::Path comboArrows (float x, float y, float w, float h)
    {
        juce::Path arrows;
        arrows.addTriangle (x + 0.5f * w, y + 0.25f * h, x + 0.7f * w, y + 0.45f * h, x + 0.3f * w, y + 0.45f * h);
        arrows.addTriangle (x + 0.5f * w, y + 0.75f * h, x + 0.7f * w, y + 0.55f * h, x + 0.3f * w, y + 0.55f * h);
        return arrows;
    }
} // namespace

//==============================================================================
AltLookAndFeel::AltLookAndFeel()
{
    for (const auto& colour : defaultColours)
        setColour (colour.colourId, juce::Colour (colour.argb));
}

AltLookAndFeel::~AltLookAndFeel() = default;

juce::uint8 AltLookAndFeel::alphaFromFraction (float fraction) noexcept
{
    if (! (fraction > 0.0f))
        return 0;

    if (fraction >= 1.0f)
        return 255;

    return static_cast<juce::uint8> (fraction * 255.996f);
}

//==============================================================================
juce::Typeface::Ptr AltLookAndFeel::getTypefaceForFont (const juce::Font& font)
{
    if (font.getTypefaceName() == juce::Font::getDefaultSansSerifFontName())
        return juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf, BinaryData::RobotoRegular_ttfSize);

    return juce::LookAndFeel_V3::getTypefaceForFont (font);
}

void AltLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour, bool isMouseOverButton, bool isButtonDown)
{
    const auto base = buttonBaseColour (button, backgroundColour, isMouseOverButton, isButtonDown);
    const auto width = static_cast<float> (button.getWidth()) - 1.0f;
    const auto height = static_cast<float> (button.getHeight()) - 1.0f;

    if (width > 0.0f && height > 0.0f)
        drawButtonFace (g, buttonOutline (button, width, height), base, height);

    if (button.getToggleState())
    {
        g.setColour (juce::Colour (toggledOutlineColour));
        g.drawRect (button.getLocalBounds().toFloat(), 1.0f);
    }
}

juce::Font AltLookAndFeel::getTextButtonFont (juce::TextButton&, int)
{
    return juce::Font (controlFontHeight, juce::Font::plain);
}

void AltLookAndFeel::drawComboBox (juce::Graphics& g, int width, int height, bool, int buttonX, int buttonY, int buttonW, int buttonH, juce::ComboBox& box)
{
    g.fillAll (box.findColour (juce::ComboBox::backgroundColourId));

    g.setColour (box.findColour (juce::ComboBox::outlineColourId));
    g.drawRect (juce::Rectangle<int> (width, height).toFloat(), 1.0f);

    g.setColour (box.findColour (juce::ComboBox::arrowColourId).withMultipliedAlpha (comboArrowAlpha));
    g.fillPath (comboArrows (static_cast<float> (buttonX), static_cast<float> (buttonY), static_cast<float> (buttonW), static_cast<float> (buttonH)));
}

juce::Font AltLookAndFeel::getComboBoxFont (juce::ComboBox&)
{
    return juce::Font (controlFontHeight, juce::Font::plain);
}

juce::Slider::SliderLayout AltLookAndFeel::getSliderLayout (juce::Slider&)
{
    return { knobArea, knobTextBox };
}
