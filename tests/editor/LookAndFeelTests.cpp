#include "../support/TestProcessors.h"
#include "../support/WindowSupport.h"

#include <editor/AltLookAndFeel.h>
#include <editor/AltLookAndFeel_Dist.h>
#include <editor/AltLookAndFeel_Yaw.h>
#include <editor/AltLookAndFeel_sliderEleVertical.h>
#include <editor/AltLookAndFeel_transparentButton.h>
#include <editor/KorvanneLookAndFeel.h>
#include <plugin/LiveProcessWideServices.h>

#include <BinaryData.h>

#include <gtest/gtest.h>

namespace
{
    juce::Image blankImage (int width, int height)
    {
        return juce::Image (juce::Image::ARGB, width, height, true);
    }

    juce::Image render (juce::Component& component)
    {
        auto image = blankImage (component.getWidth(), component.getHeight());
        juce::Graphics g (image);
        component.paintEntireComponent (g, false);
        return image;
    }

    /** Sum of the channel differences of two images of one size. */
    juce::int64 difference (const juce::Image& a, const juce::Image& b)
    {
        juce::int64 sum = 0;

        for (auto y = 0; y < a.getHeight(); ++y)
            for (auto x = 0; x < a.getWidth(); ++x)
            {
                const auto p = a.getPixelAt (x, y);
                const auto q = b.getPixelAt (x, y);
                sum += std::abs (p.getRed() - q.getRed()) + std::abs (p.getGreen() - q.getGreen())
                       + std::abs (p.getBlue() - q.getBlue()) + std::abs (p.getAlpha() - q.getAlpha());
            }

        return sum;
    }

    struct Strip
    {
        const char* data;
        int size;
        int margin; // the arc knobs show only the inner part of each frame
    };

    const Strip yawStrip { BinaryData::bouton_AW_Centre0_70x70_V3_png, BinaryData::bouton_AW_Centre0_70x70_V3_pngSize, 5 };
    const Strip distStrip { BinaryData::bouton_AW_70x70_png, BinaryData::bouton_AW_70x70_pngSize, 5 };
    const Strip gainStrip { BinaryData::bouton_G_70x70_png, BinaryData::bouton_G_70x70_pngSize, 0 };

    /** The strip frame that a knob drawing shows in the given area: the frame whose
        crop, scaled to the area, is nearest to what was drawn.
    */
    int frameShown (const juce::Image& drawing, juce::Rectangle<int> area, const Strip& strip)
    {
        const auto image = juce::ImageCache::getFromMemory (strip.data, strip.size);
        const auto drawn = drawing.getClippedImage (area);
        const auto crop = 70 - 2 * strip.margin;
        auto best = -1;
        auto bestDifference = std::numeric_limits<juce::int64>::max();

        for (auto frame = 0; frame < image.getHeight() / 70; ++frame)
        {
            auto candidate = blankImage (area.getWidth(), area.getHeight());
            juce::Graphics g (candidate);
            g.drawImage (image, 0, 0, area.getWidth(), area.getHeight(), strip.margin, 70 * frame + strip.margin, crop, crop);

            if (const auto d = difference (drawn, candidate); d < bestDifference)
            {
                bestDifference = d;
                best = frame;
            }
        }

        return best;
    }

    template <typename LookAndFeel>
    juce::Image drawKnob (float sliderPos, int width = 120)
    {
        LookAndFeel lookAndFeel;
        juce::Slider slider;
        auto image = blankImage (width + 50, 70);
        juce::Graphics g (image);
        lookAndFeel.drawRotarySlider (g, 0, 0, width, 70, sliderPos, 0.0f, 1.0f, slider);
        return image;
    }

    /** A look-and-feel that notes the area the slider hands to its knob drawing. */
    template <typename Base>
    struct NotingKnobArea : public Base
    {
        void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float pos, float start, float end, juce::Slider& s) override
        {
            area = { x, y, width, height };
            Base::drawRotarySlider (g, x, y, width, height, pos, start, end, s);
        }

        juce::Rectangle<int> area;
    };

    struct KnobLayout
    {
        juce::Rectangle<int> knobArea, textBox;
        bool operator== (const KnobLayout& other) const { return knobArea == other.knobArea && textBox == other.textBox; }
    };

    void PrintTo (const KnobLayout& layout, std::ostream* out)
    {
        *out << "knob " << layout.knobArea.toString() << ", text box " << layout.textBox.toString();
    }

    /** Where a rotary slider with a text box at its left, drawn with the look-and-feel, puts its knob and its text box. */
    template <typename LookAndFeel>
    KnobLayout knobLayout (juce::Rectangle<int> bounds)
    {
        NotingKnobArea<LookAndFeel> lookAndFeel;
        juce::Slider slider (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxLeft);
        slider.setLookAndFeel (&lookAndFeel);
        slider.setBounds (bounds);
        render (slider);

        KnobLayout layout { lookAndFeel.area, {} };

        for (auto* child : slider.getChildren())
            if (dynamic_cast<juce::Label*> (child) != nullptr)
                layout.textBox = child->getBounds();

        slider.setLookAndFeel (nullptr);
        return layout;
    }

    /** The bounding box of the pixels that are mostly the given colour. */
    juce::Rectangle<int> boundsOfColour (const juce::Image& image, juce::Colour colour)
    {
        juce::RectangleList<int> found;

        for (auto y = 0; y < image.getHeight(); ++y)
            for (auto x = 0; x < image.getWidth(); ++x)
                if (const auto p = image.getPixelAt (x, y); p.getAlpha() > 128 && std::abs (p.getBlue() - colour.getBlue()) < 40)
                    found.addWithoutMerging ({ x, y, 1, 1 });

        return found.getBounds();
    }

    juce::Typeface::Ptr embeddedRoboto()
    {
        return juce::Typeface::createSystemTypefaceFor (BinaryData::RobotoRegular_ttf, BinaryData::RobotoRegular_ttfSize);
    }

    bool defaultIsShared()
    {
        return dynamic_cast<VevazovAzudAudioProcessor::KorvanneLookAndFeel*> (&juce::LookAndFeel::getDefaultLookAndFeel()) != nullptr;
    }
} // namespace

//==============================================================================
TEST (KnobLookAndFeels, showTheFrameOfThePositionWithTheCentreFrameOnlyAtTheExactCentre)
{
    struct Case
    {
        float position;
        int frame;
    };

    const auto justBelowHalf = std::nextafter (0.5f, 0.0f);
    const auto justAboveHalf = std::nextafter (0.5f, 1.0f);
    const Case arcCases[] { { 0.0f, 0 }, { justBelowHalf, 62 }, { 0.5f, 63 }, { justAboveHalf, 64 }, { 0.75f, 94 }, { 1.0f, 126 }, { 1.5f, 126 } };

    for (const auto& c : arcCases)
    {
        EXPECT_EQ (frameShown (drawKnob<AltLookAndFeel_Yaw> (c.position), { 37, 8, 48, 48 }, yawStrip), c.frame) << c.position;
        EXPECT_EQ (frameShown (drawKnob<AltLookAndFeel_Dist> (c.position), { 37, 8, 48, 48 }, distStrip), c.frame) << c.position;
    }

    // The gain knob has no centre rule: just above the centre is still frame 63.
    const Case gainCases[] { { 0.0f, 0 }, { justAboveHalf, 63 }, { 1.0f, 126 } };

    for (const auto& c : gainCases)
        EXPECT_EQ (frameShown (drawKnob<AltLookAndFeel_transparentButton> (c.position, 70), { 45, 0, 70, 70 }, gainStrip), c.frame) << c.position;
}

TEST (KnobLookAndFeels, placeKnobAndTextBoxByTheirOwnLayout)
{
    EXPECT_EQ (knobLayout<AltLookAndFeel_Yaw> ({ 12, 433, 93, 56 }), (KnobLayout { { 25, 0, 48, 48 }, { -2, 32, 37, 15 } }));
    EXPECT_EQ (knobLayout<AltLookAndFeel_Dist> ({ 217, 433, 93, 56 }), (KnobLayout { { 25, 0, 48, 48 }, { -2, 32, 37, 15 } }));
    EXPECT_EQ (knobLayout<AltLookAndFeel> ({ 0, 0, 200, 120 }), (KnobLayout { { 25, 0, 48, 48 }, { -2, 32, 37, 15 } }));
    EXPECT_EQ (knobLayout<AltLookAndFeel_transparentButton> ({ 434, 428, 114, 70 }), (KnobLayout { { 50, 0, 70, 70 }, { 2, 37, 41, 15 } }));
}

//==============================================================================
namespace
{
    juce::Image drawTextButton (juce::LookAndFeel& lookAndFeel, int width, int height, bool toggled)
    {
        juce::TextButton button;
        button.setLookAndFeel (&lookAndFeel);
        button.setSize (width, height);
        button.setToggleState (toggled, juce::dontSendNotification);
        auto image = render (button);
        button.setLookAndFeel (nullptr);
        return image;
    }

    bool isToggleRed (juce::Colour pixel)
    {
        return pixel.getRed() > 200 && pixel.getGreen() < 80 && pixel.getBlue() < 80 && pixel.getAlpha() > 200;
    }

    bool isBlank (const juce::Image& image)
    {
        for (auto y = 0; y < image.getHeight(); ++y)
            for (auto x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).getAlpha() != 0)
                    return false;

        return true;
    }
} // namespace

TEST (AltLookAndFeel, outlinesAToggledButtonInRedOverItsFace)
{
    AltLookAndFeel lookAndFeel;
    const auto off = drawTextButton (lookAndFeel, 60, 24, false);
    const auto on = drawTextButton (lookAndFeel, 60, 24, true);

    // The red frame covers every edge pixel of the button...
    for (const auto& edge : { juce::Point<int> (0, 0), { 30, 0 }, { 59, 12 }, { 30, 23 }, { 0, 12 } })
    {
        EXPECT_TRUE (isToggleRed (on.getPixelAt (edge.x, edge.y))) << edge.toString();
        EXPECT_FALSE (isToggleRed (off.getPixelAt (edge.x, edge.y))) << edge.toString();
    }

    // ...over the same white face, with its white rim just inside.
    EXPECT_EQ (on.getPixelAt (30, 12), off.getPixelAt (30, 12));
    EXPECT_GT (on.getPixelAt (30, 12).getBrightness(), 0.8f);
    EXPECT_EQ (off.getPixelAt (30, 1).getARGB(), on.getPixelAt (30, 1).getARGB());
}

TEST (AltLookAndFeel, drawsNoFaceOnAOnePixelButtonButStillItsToggleOutline)
{
    AltLookAndFeel lookAndFeel;

    EXPECT_TRUE (isBlank (drawTextButton (lookAndFeel, 1, 24, false)));
    EXPECT_TRUE (isBlank (drawTextButton (lookAndFeel, 40, 1, false)));

    const auto thin = drawTextButton (lookAndFeel, 1, 24, true);
    EXPECT_TRUE (isToggleRed (thin.getPixelAt (0, 0)));
    EXPECT_TRUE (isToggleRed (thin.getPixelAt (0, 12)));
}

TEST (AltLookAndFeel, transparentButtonsDrawNothingEvenWhenToggled)
{
    AltLookAndFeel_transparentButton lookAndFeel;

    EXPECT_TRUE (isBlank (drawTextButton (lookAndFeel, 173, 28, false)));
    EXPECT_TRUE (isBlank (drawTextButton (lookAndFeel, 173, 28, true)));
}

TEST (AltLookAndFeel, drawsComboBoxesWithoutAFaceAndWithArrowsAtSeventyPercent)
{
    AltLookAndFeel lookAndFeel;
    juce::ComboBox box;
    box.setLookAndFeel (&lookAndFeel);
    box.setSize (75, 19);

    // A large arrow area, so that some pixels lie wholly inside the arrows.
    const auto draw = [&] (bool pressed)
    {
        auto image = blankImage (120, 60);
        juce::Graphics g (image);
        lookAndFeel.drawComboBox (g, 120, 60, pressed, 60, 0, 60, 60, box);
        return image;
    };

    const auto strongestArrowPixel = [] (const juce::Image& image)
    {
        auto strongest = 0;

        for (auto y = 2; y < 58; ++y)
            for (auto x = 62; x < 118; ++x)
                strongest = std::max (strongest, static_cast<int> (image.getPixelAt (x, y).getAlpha()));

        return strongest;
    };

    const auto released = draw (false);
    EXPECT_EQ (difference (released, draw (true)), 0);
    EXPECT_EQ (released.getPixelAt (30, 10).getARGB(), 0xff000000u);
    EXPECT_EQ (released.getPixelAt (0, 10).getARGB(), 0xfff5f5f5u);

    // Over a see-through box the arrows' own alpha shows: 0.7 of opaque (the renderer
    // keeps coverage in 1/256ths), enabled or not.
    box.setColour (juce::ComboBox::backgroundColourId, juce::Colours::transparentBlack);
    EXPECT_NEAR (strongestArrowPixel (draw (false)), 179, 2);

    box.setEnabled (false);
    EXPECT_NEAR (strongestArrowPixel (draw (false)), 179, 2);
    box.setLookAndFeel (nullptr);
}

TEST (AltLookAndFeel, usesFourteenPixelTextForButtonsAndComboBoxes)
{
    AltLookAndFeel lookAndFeel;
    juce::TextButton button;
    juce::ComboBox box;

    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 60).getHeight(), 14.0f);
    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 8).getHeight(), 14.0f);
    EXPECT_EQ (lookAndFeel.getComboBoxFont (box).getHeight(), 14.0f);
    EXPECT_EQ (lookAndFeel.getComboBoxFont (box).getTypefaceName(), juce::Font::getDefaultSansSerifFontName());
}

TEST (AltLookAndFeel, turnsAlphaFractionsIntoBytesByTruncation)
{
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (0.75f), 0xbf);
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (0.9f), 0xe6);
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (0.1f), 25); // rounding would give 26
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (0.5f), 127);
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (-0.2f), 0);
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (1.5f), 255);
    EXPECT_EQ (AltLookAndFeel::alphaFromFraction (std::numeric_limits<float>::quiet_NaN()), 0);
}

//==============================================================================
TEST (AltLookAndFeel_sliderEleVertical, shrinksTheThumbFromTheMiddleTowardsTheEnds)
{
    AltLookAndFeel_sliderEleVertical lookAndFeel;
    juce::Slider slider (juce::Slider::LinearVertical, juce::Slider::NoTextBox);
    slider.setLookAndFeel (&lookAndFeel);
    slider.setRange (-90.0, 90.0, 1.0);
    slider.setColour (juce::Slider::backgroundColourId, juce::Colour (0x00000000));
    slider.setColour (juce::Slider::thumbColourId, juce::Colour (0xff0b72f2));
    slider.setSize (29, 293);

    const auto thumbAt = [&] (double elevation)
    {
        slider.setValue (elevation, juce::dontSendNotification);
        return boundsOfColour (render (slider), juce::Colour (0xff0b72f2));
    };

    const auto middle = thumbAt (0.0);
    EXPECT_NEAR (middle.getWidth(), 20, 1);
    EXPECT_NEAR (middle.getHeight(), 10, 1);
    EXPECT_NEAR (middle.getCentreX(), 14, 1);
    EXPECT_NEAR (middle.getCentreY(), 146, 2);

    for (const auto end : { 90.0, -90.0 })
    {
        const auto thumb = thumbAt (end);
        EXPECT_NEAR (thumb.getWidth(), 10, 1.5) << end;
        EXPECT_NEAR (thumb.getHeight(), 5, 1.5) << end;
    }

    EXPECT_LT (thumbAt (90.0).getCentreY(), 20);
    EXPECT_GT (thumbAt (-90.0).getCentreY(), 273);
    slider.setLookAndFeel (nullptr);
}

TEST (AltLookAndFeel_sliderEleVertical, measuresTheThumbAgainstHalfTheTrackHeightItself)
{
    // A track that starts 100 pixels down: its own middle is at 150, but the
    // thumb is widest at 50, half the track's height.
    EXPECT_EQ (AltLookAndFeel_sliderEleVertical::thumbSize (50.0f, 100.0f), juce::Point<float> (20.0f, 10.0f));
    EXPECT_EQ (AltLookAndFeel_sliderEleVertical::thumbSize (150.0f, 100.0f), juce::Point<float> (0.0f, 0.0f));
    EXPECT_EQ (AltLookAndFeel_sliderEleVertical::thumbSize (3.0f, 0.0f), juce::Point<float> (20.0f, 10.0f));
}

//==============================================================================
TEST (SharedLookAndFeel, setsDefaultSansSerifTextInTheEmbeddedRobotoAndLeavesNamedFacesAlone)
{
    const juce::String text ("Orbel Scene -12.5 dB");
    const auto defaultWidth = juce::Font (15.0f).getStringWidthFloat (text);

    {
        VevazovAzudAudioProcessor::KorvanneLookAndFeel lookAndFeel;

        const juce::Font defaultFace (15.0f);
        EXPECT_EQ (defaultFace.getTypefacePtr()->getName(), "Roboto");
        EXPECT_EQ (defaultFace.getStringWidthFloat (text), juce::Font (embeddedRoboto()).withHeight (15.0f).getStringWidthFloat (text));

        const juce::Font named ("DejaVu Sans", 15.0f, juce::Font::plain);
        EXPECT_EQ (named.getTypefacePtr()->getName(), "DejaVu Sans");

        // Pixels too: a label in the default face draws exactly as one set in the embedded font.
        juce::Label byDefault ({}, text), byRoboto ({}, text);
        byRoboto.setFont (juce::Font (embeddedRoboto()).withHeight (15.0f));
        byDefault.setFont (juce::Font (15.0f));
        byDefault.setSize (200, 24);
        byRoboto.setSize (200, 24);
        EXPECT_EQ (difference (render (byDefault), render (byRoboto)), 0);
    }

    EXPECT_NE (juce::Font (15.0f).getTypefacePtr()->getName(), "Roboto");
    EXPECT_EQ (juce::Font (15.0f).getStringWidthFloat (text), defaultWidth);
}

TEST (SharedLookAndFeel, isOneDefaultForAllInstancesAndGoesWithTheLast)
{
    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);
    auto* const frameworkDefault = &juce::LookAndFeel::getDefaultLookAndFeel();
    ASSERT_FALSE (defaultIsShared());

    auto first = std::make_unique<HostedProcessor>();
    ASSERT_TRUE (defaultIsShared());
    auto* const shared = &juce::LookAndFeel::getDefaultLookAndFeel();

    auto second = std::make_unique<HostedProcessor>();
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), shared);

    first.reset();
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), shared);

    // Only its own destructor takes the shared one out of service.
    second.reset();
    EXPECT_FALSE (defaultIsShared());
    EXPECT_EQ (&juce::LookAndFeel::getDefaultLookAndFeel(), frameworkDefault);

    HostedProcessor third;
    EXPECT_TRUE (defaultIsShared());
}

TEST (SharedLookAndFeel, tellsEveryWindowThatTheDefaultChanged)
{
    if (! hasDisplayForWindows())
        GTEST_SKIP() << "needs an X display";

    struct Watcher : public juce::Component
    {
        void lookAndFeelChanged() override { ++changes; }
        int changes = 0;
    };

    LiveProcessWideServices services;
    const ScopedProcessWideServices installed (services);
    Watcher window;
    window.setSize (100, 100);
    window.addToDesktop (0);

    auto processor = std::make_unique<HostedProcessor>();
    EXPECT_EQ (window.changes, 1);

    processor.reset();
    EXPECT_EQ (window.changes, 2);
    window.removeFromDesktop();
}
