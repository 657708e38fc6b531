#include "../support/MessageLoop.h"
#include "ComponentProbes.h"

#include <editor/WelcomeGUI.h>

#include <BinaryData.h>
#include <gtest/gtest.h>

#include <cmath>

namespace
{
    const juce::Rectangle<int> logoBounds { 111, 76, 220, 280 };

    /** The children in stacking order: the title, the close button over it, the link on top. */
    struct WelcomeGUITest : testing::Test
    {
        WelcomeGUI welcome;
        juce::Label& title = dynamic_cast<juce::Label&> (*welcome.getChildComponent (0));
        juce::TextButton& closeButton = dynamic_cast<juce::TextButton&> (*welcome.getChildComponent (1));
        juce::HyperlinkButton& link = dynamic_cast<juce::HyperlinkButton&> (*welcome.getChildComponent (2));
    };
} // namespace

TEST_F (WelcomeGUITest, coversTheEditorWithTheCloseButtonEverywhereButTheLink)
{
    EXPECT_EQ (welcome.getBounds(), juce::Rectangle<int> (0, 0, 556, 503));
    welcome.setVisible (true);

    for (auto y = 0; y < welcome.getHeight(); y += 7)
        for (auto x = 0; x < welcome.getWidth(); x += 7)
        {
            const auto* expected = link.getBounds().contains (x, y) ? static_cast<juce::Component*> (&link) : &closeButton;
            ASSERT_EQ (welcome.getComponentAt (x, y), expected) << x << ", " << y;
        }

    EXPECT_EQ (welcome.getComponentAt (title.getBounds().getCentre()), &closeButton);
    closeButton.triggerClick();
    EXPECT_TRUE (pumpMessagesUntil ([&]
                                    { return ! welcome.isVisible(); },
                                    2000));
}

TEST_F (WelcomeGUITest, showsTheTitleAndLinksToTheMakersSite)
{
    EXPECT_EQ (title.getText(), "Velorin v1.2");
    EXPECT_EQ (closeButton.getName(), "closeButton");
    EXPECT_EQ (link.getName(), "www.korvanne.example");
    EXPECT_EQ (link.getButtonText(), "www.korvanne.example");
    EXPECT_EQ (link.getURL().toString (false), "https://www.korvanne.example");
    EXPECT_EQ (link.getTooltip(), "https://www.korvanne.example");
    EXPECT_EQ (link.findColour (juce::HyperlinkButton::textColourId), juce::Colour (0xFFE10035));
}

TEST_F (WelcomeGUITest, drawsTheLogoSeenThroughAtThreeQuartersAndLeavesTheRestClear)
{
    const auto image = render (welcome);
    const auto logo = juce::ImageCache::getFromMemory (BinaryData::welcomeLogo_png, BinaryData::welcomeLogo_pngSize);
    int opaqueLogoPixels = 0;

    for (auto y = 0; y < image.getHeight(); ++y)
        for (auto x = 0; x < image.getWidth(); ++x)
        {
            const auto alpha = static_cast<float> (image.getPixelAt (x, y).getAlpha());

            if (title.getBounds().contains (x, y) || link.getBounds().contains (x, y))
                continue;

            // Blending a translucent pixel at 0.75 rounds to within 2 of the exact value.
            const auto expected = logoBounds.contains (x, y) ? logo.getPixelAt (x - logoBounds.getX(), y - logoBounds.getY()).getAlpha() * 0.75f : 0.0f;
            ASSERT_LE (std::abs (alpha - expected), 2.0f) << x << ", " << y;
            opaqueLogoPixels += expected > 100.0f ? 1 : 0;
        }

    EXPECT_GT (opaqueLogoPixels, 40000) << "most of the card is drawn";
}
