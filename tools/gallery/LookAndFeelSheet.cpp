#include "LookAndFeelSheet.h"

#include <editor/AltLookAndFeel.h>
#include <editor/AltLookAndFeel_Dist.h>
#include <editor/AltLookAndFeel_Yaw.h>
#include <editor/AltLookAndFeel_sliderEleVertical.h>
#include <editor/AltLookAndFeel_transparentButton.h>

#include <BinaryData.h>

namespace
{
    constexpr int sheetWidth = 880;
    constexpr int sheetHeight = 760;
    constexpr int captionWidth = 150;
    const juce::Colour sheetColour { 0xff1c1e21 };
    const juce::Colour captionColour { 0xffd7d7d7 };

    constexpr double knobPositions[] { 0.0, 0.25, 0.5, 0.5001, 0.75, 1.0 };
    constexpr int knobSpacing = 120;

    /** A knob's range as the editor gives it. */
    struct KnobRange
    {
        double minimum, maximum, interval, skew;
        const char* suffix;
    };

    constexpr KnobRange degrees { -180.0, 180.0, 1.0, 1.0, "\xc2\xb0" };
    constexpr KnobRange metres { 0.0, 4.0, 0.1, 1.0, " m" };
    constexpr KnobRange decibels { -90.0, 10.0, 1.0, 6.5, " dB" };

    void caption (juce::Graphics& g, const juce::String& text, int y, int height)
    {
        g.setColour (captionColour);
        g.setFont (13.0f);
        g.drawFittedText (text, 10, y, captionWidth - 20, height, juce::Justification::centredLeft, 3);
    }

    void paintChild (juce::Graphics& g, juce::Component& component, juce::Point<int> at)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (at);
        g.reduceClipRegion (component.getLocalBounds());
        component.paintEntireComponent (g, false);
    }

    /** A knob as the editor configures it, with the editor's text-box colours. */
    void drawKnobRow (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, const juce::String& title, int y, juce::Rectangle<int> size, const KnobRange& range)
    {
        caption (g, title, y, size.getHeight());

        for (size_t i = 0; i < std::size (knobPositions); ++i)
        {
            juce::Slider knob (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxLeft);
            knob.setLookAndFeel (&lookAndFeel);
            knob.setRange (range.minimum, range.maximum, range.interval);
            knob.setSkewFactor (range.skew);
            knob.setTextValueSuffix (juce::CharPointer_UTF8 (range.suffix));
            knob.setColour (juce::Slider::textBoxTextColourId, juce::Colour (0xffd7d7d7));
            knob.setColour (juce::Slider::textBoxBackgroundColourId, juce::Colour (0x5092928d));
            knob.setColour (juce::Slider::textBoxOutlineColourId, juce::Colour (0x00b9b9b9));
            knob.setSize (size.getWidth(), size.getHeight());
            knob.setValue (knob.proportionOfLengthToValue (knobPositions[i]), juce::dontSendNotification);
            paintChild (g, knob, { captionWidth + static_cast<int> (i) * knobSpacing, y });
            knob.setLookAndFeel (nullptr);
        }
    }

    void drawButtonRow (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, const juce::String& title, int y, const juce::String& text)
    {
        caption (g, title, y, 24);

        struct State
        {
            const char* name;
            bool over, down, toggled;
        };

        constexpr State states[] { { "normal", false, false, false }, { "mouse over", true, false, false }, { "pressed", false, true, false }, { "toggled", false, false, true } };
        auto x = captionWidth;

        for (const auto& state : states)
        {
            juce::TextButton button (text);
            button.setLookAndFeel (&lookAndFeel);
            button.setSize (140, 24);
            button.setToggleState (state.toggled, juce::dontSendNotification);

            juce::Graphics::ScopedSaveState saved (g);
            g.setOrigin (x, y);
            lookAndFeel.drawButtonBackground (g, button, button.findColour (juce::TextButton::buttonColourId), state.over, state.down);
            lookAndFeel.drawButtonText (g, button, state.over, state.down);
            g.setColour (captionColour.withAlpha (0.6f));
            g.setFont (11.0f);
            g.drawText (state.name, 0, 26, 140, 14, juce::Justification::centred);
            button.setLookAndFeel (nullptr);
            x += 150;
        }
    }

    void drawComboRow (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, int y)
    {
        caption (g, "Combo box, closed and open (AltLookAndFeel)", y, 40);

        juce::ComboBox box;
        box.setLookAndFeel (&lookAndFeel);
        box.setJustificationType (juce::Justification::centredLeft);
        box.addItem ("Mono", 1);
        box.addItem ("Stereo", 2);
        box.setSelectedId (2, juce::dontSendNotification);
        box.setSize (167, 19);
        paintChild (g, box, { captionWidth, y });

        const char* items[] { "Mono", "", "Stereo", "", "4.0 - L R Ls Rs", "4.0 - L R Rs Ls" };
        constexpr int itemHeight = 20;
        const juce::Rectangle<int> menu (captionWidth + 200, y, 200, 6 + itemHeight * 4 + 2 * 8);

        juce::Graphics::ScopedSaveState saved (g);
        g.setOrigin (menu.getPosition());
        g.reduceClipRegion (menu.withZeroOrigin());
        lookAndFeel.drawPopupMenuBackground (g, menu.getWidth(), menu.getHeight());
        auto itemY = 3;

        for (const auto* text : items)
        {
            const auto isSeparator = juce::String (text).isEmpty();
            const auto height = isSeparator ? 8 : itemHeight;
            lookAndFeel.drawPopupMenuItem (g, { 0, itemY, menu.getWidth(), height }, isSeparator, true, juce::String (text) == "Stereo", juce::String (text) == "Stereo", false, text, {}, nullptr, nullptr);
            itemY += height;
        }

        box.setLookAndFeel (nullptr);
    }

    void drawInvisibleButtonRow (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, int y)
    {
        caption (g, "Invisible buttons (transparentButton): normal, toggled", y, 28);

        for (const auto toggled : { false, true })
        {
            juce::TextButton button;
            button.setLookAndFeel (&lookAndFeel);
            button.setConnectedEdges (15);
            button.setSize (173, 28);
            button.setToggleState (toggled, juce::dontSendNotification);
            const juce::Point<int> at (captionWidth + (toggled ? 200 : 0), y);
            paintChild (g, button, at);

            // Where the button lies, for the reader: it draws nothing itself.
            g.setColour (captionColour.withAlpha (0.35f));
            g.drawRect (juce::Rectangle<int> (173, 28).withPosition (at).toFloat(), 1.0f);
            button.setLookAndFeel (nullptr);
        }
    }

    void drawVerticalSliderRow (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, int y)
    {
        caption (g, "Vertical elevation slider (sliderEleVertical) at -90, -45, 0, 45, 90 over the scale", y, 293);
        const auto background = juce::ImageCache::getFromMemory (BinaryData::GUI_top_jpg, BinaryData::GUI_top_jpgSize);
        auto x = captionWidth;

        for (const auto elevation : { -90.0, -45.0, 0.0, 45.0, 90.0 })
        {
            g.drawImage (background, x, y, 29, 293, 377, 70, 29, 293);

            juce::Slider slider (juce::Slider::LinearVertical, juce::Slider::NoTextBox);
            slider.setLookAndFeel (&lookAndFeel);
            slider.setRange (-90.0, 90.0, 1.0);
            slider.setColour (juce::Slider::backgroundColourId, juce::Colour (0x00000000));
            slider.setColour (juce::Slider::thumbColourId, juce::Colour (0xff0b72f2));
            slider.setSize (29, 293);
            slider.setValue (elevation, juce::dontSendNotification);
            paintChild (g, slider, { x, y });
            slider.setLookAndFeel (nullptr);
            x += 60;
        }
    }
} // namespace

juce::Image drawLookAndFeelSheet()
{
    juce::Image sheet (juce::Image::RGB, sheetWidth, sheetHeight, true);
    juce::Graphics g (sheet);
    g.fillAll (sheetColour);

    AltLookAndFeel alt;
    AltLookAndFeel_Yaw yaw;
    AltLookAndFeel_Dist dist;
    AltLookAndFeel_transparentButton transparent;
    AltLookAndFeel_sliderEleVertical vertical;

    g.setColour (captionColour);
    g.setFont (13.0f);
    g.drawText ("Knob positions from left: 0, 0.25, 0.5, just above 0.5, 0.75, 1 (gain: skew 6.5)", captionWidth, 4, 600, 16, juce::Justification::centredLeft);

    drawKnobRow (g, yaw, "Azimuth / elevation knob (Yaw)", 24, { 93, 56 }, degrees);
    drawKnobRow (g, dist, "Distance / width knob (Dist)", 88, { 93, 56 }, metres);
    drawKnobRow (g, transparent, "Gain knob (transparentButton)", 152, { 114, 70 }, decibels);
    drawButtonRow (g, alt, "Text button (AltLookAndFeel)", 236, "Open/Close Orbel Scene ");
    drawInvisibleButtonRow (g, transparent, 292);
    drawComboRow (g, alt, 334);
    drawVerticalSliderRow (g, vertical, 450);

    return sheet;
}
